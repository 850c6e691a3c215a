#include "wbgt.h"
