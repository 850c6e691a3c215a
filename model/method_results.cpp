#include "method_results.h"

#include <array>

namespace kalvora::model {

namespace {

template <auto member> std::optional<double> read(const MethodResults &results)
{
    return results.*member;
}

// One row per field: its own name as the program spells it, the method that writes it.
#define KALVORA_FIELD(member, method)                                                              \
    ResultField                                                                                    \
    {                                                                                              \
#member, method, &read < &MethodResults::member>                                           \
    }

constexpr std::optional<Method> kShared;
constexpr std::optional<Method> kPmv = Method::Pmv, kHsi = Method::Hsi, kWbgt = Method::Wbgt,
                                kSw = Method::SwReq, kWci = Method::Wci, kIreq = Method::Ireq;

const std::array kFields {
    KALVORA_FIELD(var, kShared),
    KALVORA_FIELD(fclo, kShared),
    KALVORA_FIELD(TRM, kShared),
    KALVORA_FIELD(toperativa, kShared),
    KALVORA_FIELD(Hrel, kShared),
    KALVORA_FIELD(pvap, kShared),
    KALVORA_FIELD(ttbh, kShared),

    KALVORA_FIELD(dentrangIVM, kPmv),
    KALVORA_FIELD(tclo, kPmv),
    KALVORA_FIELD(hc, kPmv),
    KALVORA_FIELD(IVM, kPmv),
    KALVORA_FIELD(PPI, kPmv),
    KALVORA_FIELD(RIVM, kPmv),
    KALVORA_FIELD(CIVM, kPmv),
    KALVORA_FIELD(EresIVM, kPmv),
    KALVORA_FIELD(CresIVM, kPmv),
    KALVORA_FIELD(EIVM, kPmv),
    KALVORA_FIELD(AcIVM, kPmv),

    KALVORA_FIELD(ISC, kHsi),
    KALVORA_FIELD(TEP, kHsi),
    KALVORA_FIELD(RISC, kHsi),
    KALVORA_FIELD(CISC, kHsi),
    KALVORA_FIELD(EISC, kHsi),
    KALVORA_FIELD(AcISC, kHsi),
    KALVORA_FIELD(EmaxISC, kHsi),
    KALVORA_FIELD(EreqISC, kHsi),

    KALVORA_FIELD(WBGT, kWbgt),

    KALVORA_FIELD(CresSW, kSw),
    KALVORA_FIELD(EresSW, kSw),
    KALVORA_FIELD(hconvSW, kSw),
    KALVORA_FIELD(hrSW, kSw),
    KALVORA_FIELD(CSW, kSw),
    KALVORA_FIELD(RSW, kSw),
    KALVORA_FIELD(ESW, kSw),
    KALVORA_FIELD(EmaxSW, kSw),
    KALVORA_FIELD(AcSW, kSw),
    KALVORA_FIELD(tpSW, kSw),
    KALVORA_FIELD(wpnaa, kSw),
    KALVORA_FIELD(wpnap, kSw),
    KALVORA_FIELD(wpaa, kSw),
    KALVORA_FIELD(wpap, kSw),
    KALVORA_FIELD(rpnaa, kSw),
    KALVORA_FIELD(rpnap, kSw),
    KALVORA_FIELD(rpaa, kSw),
    KALVORA_FIELD(rpap, kSw),
    KALVORA_FIELD(SWpnaa, kSw),
    KALVORA_FIELD(SWpnap, kSw),
    KALVORA_FIELD(SWpaa, kSw),
    KALVORA_FIELD(SWpap, kSw),
    KALVORA_FIELD(Dmaxnaa, kSw),
    KALVORA_FIELD(Dmaxnap, kSw),
    KALVORA_FIELD(Dmaxaa, kSw),
    KALVORA_FIELD(Dmaxap, kSw),
    KALVORA_FIELD(DLEnaa, kSw),
    KALVORA_FIELD(DLEnap, kSw),
    KALVORA_FIELD(DLEaa, kSw),
    KALVORA_FIELD(DLEap, kSw),

    KALVORA_FIELD(WCI, kWci),
    KALVORA_FIELD(tch, kWci),

    KALVORA_FIELD(IREQ1, kIreq),
    KALVORA_FIELD(IREQ2, kIreq),
    KALVORA_FIELD(DLE1, kIreq),
    KALVORA_FIELD(DLE2, kIreq),
    KALVORA_FIELD(DLE3, kIreq),
    KALVORA_FIELD(DLE4, kIreq),
    KALVORA_FIELD(RIREQ, kIreq),
    KALVORA_FIELD(CIREQ, kIreq),
    KALVORA_FIELD(EIREQ, kIreq),
    KALVORA_FIELD(CresIREQ, kIreq),
    KALVORA_FIELD(EresIREQ, kIreq),
    KALVORA_FIELD(AcIREQ, kIreq),
    KALVORA_FIELD(hcIREQ, kIreq),
    KALVORA_FIELD(hrIREQ, kIreq),
    KALVORA_FIELD(tcloIREQ, kIreq),
};

#undef KALVORA_FIELD

} // namespace

std::span<const ResultField> resultFields()
{
    return kFields;
}

} // namespace kalvora::model
