#include "psychrometrics.h"
