#pragma once
// The one record of everything an evaluation computes, under the names the whole program uses,
// and the six ratings (0, 1, 2 in rising order of strain). It starts at zero, and each
// evaluation overwrites only what it computes: a method not selected keeps its last values.
// How each method marks an unlimited exposure, and the one test of it: exposure.h. Every field's
// unit, meaning and the rule that tells whether it is of the last evaluation:
// presentation/result_catalogue.h.

#include "input_parameters.h"

#include <cstdint>
#include <optional>

namespace kalvora::model {

struct MethodResults
{
    // Shared values, written in every evaluation before any method runs.
    double var = 0; ///< relative air velocity, m/s
    double fclo = 0; ///< clothing area factor, -
    double TRM = 0; ///< mean radiant temperature, °C (only while the radiation group is enabled)
    double toperativa = 0; ///< operative temperature, °C
    double Hrel = 0; ///< relative humidity, %
    double pvap = 0; ///< partial pressure of water vapour, kPa
    double ttbh = 0; ///< psychrometric wet-bulb temperature, °C

    // PMV / PPD (method 0).
    double dentrangIVM = 0; ///< 1 when an input is outside the PMV application range
    double tclo = 0, hc = 0, IVM = 0, PPI = 0;
    double RIVM = 0, CIVM = 0, EresIVM = 0, CresIVM = 0, EIVM = 0, AcIVM = 0;

    // Heat stress index (method 1).
    double ISC = 0;
    std::optional<double> TEP = 0.0; ///< min; a limit only above ISC 100; empty at Ereq = Emax
    double RISC = 0, CISC = 0, EISC = 0, AcISC = 0, EmaxISC = 0, EreqISC = 0;

    // WBGT (method 2).
    double WBGT = 0;

    // Required sweat rate (method 3).
    double CresSW = 0, EresSW = 0, hconvSW = 0, hrSW = 0, CSW = 0, RSW = 0;
    double ESW = 0, EmaxSW = 0, AcSW = 0, tpSW = 0;
    double wpnaa = 0, wpnap = 0, wpaa = 0, wpap = 0;
    double rpnaa = 0, rpnap = 0, rpaa = 0, rpap = 0;
    double SWpnaa = 0, SWpnap = 0, SWpaa = 0, SWpap = 0;
    double Dmaxnaa = 0, Dmaxnap = 0, Dmaxaa = 0, Dmaxap = 0;
    double DLEnaa = 0, DLEnap = 0, DLEaa = 0, DLEap = 0; ///< min; −1 not limited

    // Wind chill (method 4).
    double WCI = 0, tch = 0;

    // Required clothing insulation (method 5). DLE in hours; empty where S is exactly 0
    // (no net heat loss: the exposure is not limited).
    double IREQ1 = 0, IREQ2 = 0;
    std::optional<double> DLE1 = 0.0, DLE2 = 0.0, DLE3 = 0.0, DLE4 = 0.0;
    double RIREQ = 0, CIREQ = 0, EIREQ = 0, CresIREQ = 0, EresIREQ = 0, AcIREQ = 0;
    double hcIREQ = 0, hrIREQ = 0, tcloIREQ = 0;

    // Ratings.
    std::int16_t okIVM = 0, okISC = 0, okWBGT = 0, okSWreq = 0, okIVF = 0, okIreq = 0;
};

} // namespace kalvora::model
