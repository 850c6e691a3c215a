#include "scale_positions.h"

#include <algorithm>
#include <cmath>

namespace kalvora::model {

double pmvArrowTop(double IVM)
{
    if (IVM >= 3)
        return 1200;
    if (IVM <= -3)
        return 4200;
    return 2700 - 420 * IVM;
}

int pmvScaleStep(double IVM)
{
    return int(std::lround(std::clamp(IVM, -3.0, 3.0)));
}

double hsiScaleTop(double ISC)
{
    return 5860 - 28.7 * ISC;
}

double hsiArrowTop(double ISC)
{
    if (ISC >= 100)
        return 2640;
    if (ISC <= -25)
        return 6720;
    return hsiScaleTop(ISC);
}

ColdCategory coldCategory(double tch)
{
    struct Band
    {
        double above;
        ColdCategory category;
    };
    constexpr Band kBands[] = {
        { 28, ColdCategory::calor },
        { 21, ColdCategory::confort },
        { 7, ColdCategory::Frio },
        { -18, ColdCategory::mfrio },
        { -26, ColdCategory::cortante },
        { -42, ColdCategory::cong0 },
        { -58, ColdCategory::cong1 },
    };
    for (const Band &band : kBands)
        if (tch > band.above)
            return band.category;
    return ColdCategory::cong2;
}

double coldArrowTop(ColdCategory category)
{
    constexpr std::array<double, kColdCategoryCount> kTop { 2160, 2640, 3000, 3600, 4080, 4680,
        5520, 6120 };
    return kTop[static_cast<int>(category)];
}

double posI(double clo)
{
    if (clo < 0.45)
        return 6100;
    if (clo < 1.1)
        return 7505 - 3518 * clo;
    if (clo < 1.3)
        return 5555 - 1750 * clo;
    if (clo < 1.6)
        return 7830 - 3500 * clo;
    if (clo < 2.2)
        return 4125 - 1183 * clo;
    if (clo <= 3)
        return 3397 - 850 * clo;
    return 840;
}

} // namespace kalvora::model
