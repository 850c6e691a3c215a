#include "loading_rules.h"
