#include "fault.h"

namespace kalvora::engine {

void fail(FaultKind kind, const char *step)
{
    throw ArithmeticFault(kind, step);
}

} // namespace kalvora::engine
