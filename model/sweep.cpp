#include "sweep.h"
