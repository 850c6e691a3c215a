#include "field_value.h"
