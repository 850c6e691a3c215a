#include "heat_stress_index.h"
