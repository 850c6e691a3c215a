#include "method_results.h"
