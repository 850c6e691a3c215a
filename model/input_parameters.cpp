#include "input_parameters.h"
