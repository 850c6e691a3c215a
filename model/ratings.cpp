#include "ratings.h"
