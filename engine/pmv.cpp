#include "pmv.h"
