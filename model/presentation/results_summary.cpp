#include "results_summary.h"

#include "model/exposure.h"

namespace kalvora::model {

std::int16_t summaryRating(Method method, const MethodResults &r)
{
    switch (method) {
    case Method::Pmv:
        return r.okIVM;
    case Method::Hsi:
        return r.okISC;
    case Method::Wbgt:
        return r.okWBGT;
    case Method::SwReq:
        if (!isSweatExposureLimited(r.DLEnaa))
            return 0;
        return r.okSWreq == 1 ? 1 : 2;
    case Method::Wci:
        return r.okIVF;
    case Method::Ireq:
        return r.okIreq;
    }
    return 0;
}

} // namespace kalvora::model
