#include "wind_chill.h"
