#include "required_insulation.h"
