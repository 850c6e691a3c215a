#include "engine/fault.h"
#include "engine/heat_stress_index.h"
#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "engine/wind_chill.h"

#include <functional>
#include <gtest/gtest.h>
#include <string_view>

namespace kalvora::engine {
namespace {

TEST(ArithmeticFaults, NameTheKindAndTheStep)
{
    struct Row
    {
        const char *what;
        std::function<void()> evaluate;
        FaultKind kind;
        std::string_view step;
    };
    const Row kRows[] = {
        { "HSI with pa = 5.6 kPa: Emax = 0",
            [] {
                HeatStressIndex({ .metabolicRate = 150,
                    .clothingInsulation = 0.5,
                    .airTemperature = 30,
                    .meanRadiantTemperature = 30,
                    .vapourPressure = 5.6,
                    .airVelocity = 0.3 });
            },
            FaultKind::DivisionByZero, "ISC = 100·Ereq/Emax" },
        { "globe below air temperature in still air",
            [] {
                MeanRadiantFromGlobe(
                    { .airVelocity = 0.1, .airTemperature = 30, .globeTemperature = 25 });
            },
            FaultKind::InvalidOperation, "0.42·10^8·(tg − ta)^1.25" },
        { "globe temperature 1e308",
            [] {
                MeanRadiantFromGlobe(
                    { .airVelocity = 0.5, .airTemperature = 25, .globeTemperature = 1e308 });
            },
            FaultKind::Overflow, "(tg + 273)^4" },
        { "wind velocity 1e308",
            [] { WindChillIndex({ .relativeAirVelocity = 1e308, .airTemperature = 0 }); },
            FaultKind::Overflow, "WCI = 1.16·(10.45 + 10·√v − v)·(33 − ta)" },
        { "metabolic power 1e308",
            [] {
                FangerPmv({ .metabolicRate = 1e308,
                              .clothingInsulation = 0.5,
                              .clothingAreaFactor = 1.1,
                              .airTemperature = 20,
                              .meanRadiantTemperature = 20,
                              .vapourPressure = 1.0,
                              .relativeAirVelocity = 0.2 },
                    { .tcl = 30, .hc = 4 });
            },
            FaultKind::Overflow, "Ed" },
        { "clothing balance without a root at 1e6 W/m²",
            [] {
                ClothingSurfaceTemperature({ .metabolicRate = 1e6,
                    .clothingInsulation = 0.5,
                    .clothingAreaFactor = 1.1,
                    .airTemperature = 20,
                    .meanRadiantTemperature = 20,
                    .vapourPressure = 1.0,
                    .relativeAirVelocity = 0.2 });
            },
            FaultKind::NoConvergence, "tcl (forced convection)" },
        { "saturation at −235 °C", [] { SaturationPressure(-235); }, FaultKind::DivisionByZero,
            "4030.18/(t + 235)" },
    };
    for (const Row &r : kRows) {
        SCOPED_TRACE(r.what);
        try {
            r.evaluate();
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticFault &fault) {
            EXPECT_EQ(fault.kind(), r.kind);
            EXPECT_EQ(fault.step(), r.step);
        }
    }
}

} // namespace
} // namespace kalvora::engine
