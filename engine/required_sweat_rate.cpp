#include "required_sweat_rate.h"
