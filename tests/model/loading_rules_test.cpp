#include "model/loading_rules.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kalvora::model;
using namespace kalvora::model::fixtures;

namespace {

const std::string kGlobeEs
    = "La temperatura de globo (tg) no puede ser menor que la temperatura del aire seco.";
const std::string kGlobeEn
    = "The globe temperature(tg) can't be lower than the air dry temperature (ta).";
const std::string kNaturalEs = "La temperatura de bulbo húmedo natural (tbhn) no puede ser mayor "
                               "que la temperatura del aire seco.";
const std::string kNaturalEn
    = "The natural wet-bulb temperature (tnw) can't be higher than the air dry temperature (ta).";
const std::string kWetEs
    = "La temperatura de bulbo húmedo (tbh) no puede ser mayor que la temperatura del aire seco.";
const std::string kWetEn
    = "The wet bulb temperature (tw) can't be higher than the air dry temperature.";

TEST(RefusalTexts, ChecksOnlyEnabledTemperaturesInTheirOrder)
{
    struct Row
    {
        const char *name;
        InputParameters input;
        Language language;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        { "no method: no check", inputs({}, { { Field::tglobo, "5" }, { Field::tbhn, "40" } }),
            Language::Spanish, {} },
        { "start values with PMV", inputs({ Method::Pmv }), Language::Spanish, {} },
        { "globe below air", inputs({ Method::Pmv }, { { Field::tglobo, "17.9" } }),
            Language::Spanish, { kGlobeEs } },
        { "globe disabled when tr is given",
            inputs(
                { Method::Pmv }, { { Field::tglobo, "17.9" } }, { { OptionGroup::Radiacion, 1 } }),
            Language::Spanish, {} },
        { "globe and natural wet bulb, globe first",
            inputs({ Method::Wbgt }, { { Field::tglobo, "17" }, { Field::tbhn, "19" } }),
            Language::English, { kGlobeEn, kNaturalEn } },
        { "all three in order",
            inputs({ Method::Wbgt, Method::Hsi },
                { { Field::tglobo, "17" }, { Field::tbhn, "19" }, { Field::tbh, "19" } },
                { { OptionGroup::humedad, 1 } }),
            Language::Spanish, { kGlobeEs, kNaturalEs, kWetEs } },
        { "wet bulb above air",
            inputs({ Method::SwReq }, { { Field::tbh, "18.5" } }, { { OptionGroup::humedad, 1 } }),
            Language::English, { kWetEn } },
        { "wet bulb ignored while relative humidity is given",
            inputs({ Method::SwReq }, { { Field::tbh, "18.5" } }), Language::English, {} },
        { "natural wet bulb ignored without WBGT",
            inputs({ Method::Pmv }, { { Field::tbhn, "30" } }), Language::English, {} },
        { "equality passes",
            inputs({ Method::Wbgt, Method::Hsi },
                { { Field::tglobo, "18" }, { Field::tbhn, "18" }, { Field::tbh, "18" } },
                { { OptionGroup::humedad, 1 } }),
            Language::English, {} },
        { "texts read leniently",
            inputs({ Method::Wbgt }, { { Field::Taseco, "2 0,9" }, { Field::tglobo, "19.9x" } }),
            Language::English, { kGlobeEn } },
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(RefusalTexts(r.input, r.language), r.expected);
    }
}

} // namespace
