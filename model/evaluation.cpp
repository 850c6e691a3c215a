#include "evaluation.h"
