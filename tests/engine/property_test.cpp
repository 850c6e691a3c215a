// Whatever a user types, every engine function either returns numbers or reports an arithmetic
// fault naming its step: no NaN or infinity escapes, no other exception, no endless iteration.
// Inputs are drawn far beyond the application ranges, with huge, tiny and negative values mixed in.

#include "engine/fault.h"
#include "engine/heat_stress_index.h"
#include "engine/pmv.h"
#include "engine/psychrometrics.h"
#include "engine/required_insulation.h"
#include "engine/required_sweat_rate.h"
#include "engine/wbgt.h"
#include "engine/wind_chill.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <exception>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace kalvora::engine {
namespace {

constexpr std::uint64_t kSeed = 20240611;
constexpr int kDraws = 30000;

// Values a typed field can turn into besides ordinary ones: zero, exact boundaries of the
// methods' branches, and magnitudes that overflow or vanish in the formulas.
constexpr std::array kSpecialValues { 0.0, 1.0, -1.0, 0.15, 0.5, 58.0, 65.0, 36.0, -273.0, -235.0,
    1e-300, -1e-300, 1e6, -1e6, 1e154, -1e154, 1e300, -1e300 };

class Inputs
{
public:
    explicit Inputs(std::uint64_t seed)
        : m_random(seed)
    {
    }

    /// One value: uniform over [low, high], or one in eight times a special value.
    double draw(double low, double high)
    {
        if (std::uniform_int_distribution<int>(0, 7)(m_random) == 0)
            return kSpecialValues[std::uniform_int_distribution<std::size_t>(
                0, kSpecialValues.size() - 1)(m_random)];
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }
    double temperature() { return draw(-80, 120); }
    double velocity() { return draw(0, 30); }
    double metabolism() { return draw(0, 600); }
    double insulation() { return draw(0, 5); }
    double pressure() { return draw(0, 15); }
    double humidity() { return draw(0, 150); }
    HumidityMeasure humidityMeasure()
    {
        return static_cast<HumidityMeasure>(std::uniform_int_distribution<int>(0, 2)(m_random));
    }
    Posture posture()
    {
        return static_cast<Posture>(std::uniform_int_distribution<int>(0, 2)(m_random));
    }

private:
    std::mt19937_64 m_random;
};

bool finite(std::initializer_list<double> values)
{
    for (const double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

bool finite(double value)
{
    return std::isfinite(value);
}
bool finite(const Humidity &h)
{
    return finite({ h.Hrel, h.pvap, h.ttbh });
}
bool finite(const ClothingSurface &s)
{
    return finite({ s.tcl, s.hc });
}
bool finite(const PmvBalance &b)
{
    return finite({ b.PMV, b.PPD, b.R, b.C, b.Eres, b.Cres, b.Esw, b.Ac });
}
bool finite(const WindChill &w)
{
    return finite({ w.WCI, w.tch });
}

// An empty exposure time is a defined outcome (Ereq = Emax), not a number to check.
bool finite(const HeatStress &h)
{
    return finite({ h.ISC, h.R, h.C, h.E, h.Ac, h.Emax, h.Ereq })
        && (!h.TEP || std::isfinite(*h.TEP));
}

bool finite(const SweatRate &s)
{
    for (const PredictedSweat &p : s.criteria)
        if (!finite({ p.wp, p.rp, p.SWp, p.DLE }))
            return false;
    return finite({ s.Cres, s.Eres, s.hc, s.hr, s.C, s.R, s.Emax, s.E, s.Ac, s.tsk });
}

// An empty exposure (S exactly 0) is a defined outcome, not a number to check.
bool finite(const InsulationBalance &b)
{
    return finite({ b.R, b.C, b.E, b.S }) && (!b.DLE || std::isfinite(*b.DLE));
}

bool finite(const RequiredInsulationResult &r)
{
    for (const InsulationCriterion &c : { r.minimal, r.neutral })
        if (!finite(c.IREQ) || !finite(c.required) || !finite(c.worn))
            return false;
    return finite({ r.Cres, r.Eres, r.hr, r.hc, r.tcl });
}

class PropertyCheck
{
public:
    /// Runs one engine call; a result holding a NaN or infinity, or any exception other than an
    /// arithmetic fault, is a failure reported with the inputs. Returns the result when defined.
    template <class Call>
    auto expectDefined(const char *function, const std::string &inputs, Call call)
        -> std::optional<decltype(call())>
    {
        try {
            auto result = call();
            if (finite(result))
                return result;
            fail(function, inputs, "returned a value that is not a finite number");
        } catch (const ArithmeticFault &) {
            ++m_faults;
        } catch (const std::exception &e) {
            fail(function, inputs, e.what());
        }
        return std::nullopt;
    }
    int faults() const { return m_faults; }

private:
    void fail(const char *function, const std::string &inputs, const char *what)
    {
        ADD_FAILURE() << function << '(' << inputs << ") " << what;
    }
    int m_faults = 0;
};

template <class... Values> std::string describe(Values... values)
{
    std::ostringstream out;
    out.precision(17);
    const char *separator = "";
    ((out << separator << values, separator = ", "), ...);
    return out.str();
}

TEST(EnginePropertyTest, EveryMethodReturnsNumbersOrFaults)
{
    Inputs in(kSeed);
    PropertyCheck check;
    for (int draw = 0; draw < kDraws && !HasFailure(); ++draw) {
        const double ta = in.temperature();
        const double tr = in.temperature();
        const double tg = in.temperature();
        const double tnw = in.temperature();
        const double tw = in.temperature();
        const double va = in.velocity();
        const double M = in.metabolism();
        const double Icl = in.insulation();
        const double pa = in.pressure();
        const double HR = in.humidity();
        const HumidityMeasure measure = in.humidityMeasure();
        const Posture posture = in.posture();

        check.expectDefined(
            "SaturationPressure", describe(ta), [&] { return SaturationPressure(ta); });
        check.expectDefined("MeanRadiantFromGlobe", describe(va, ta, tg), [&] {
            return MeanRadiantFromGlobe(
                { .airVelocity = va, .airTemperature = ta, .globeTemperature = tg });
        });
        check.expectDefined("WetBulbTemperature", describe(ta, pa),
            [&] { return WetBulbTemperature({ .airTemperature = ta, .vapourPressure = pa }); });
        const double given = measure == HumidityMeasure::RelativeHumidity ? HR
            : measure == HumidityMeasure::WetBulbTemperature              ? tw
                                                                          : pa;
        check.expectDefined("ComputeHumidity", describe(ta, static_cast<int>(measure), given), [&] {
            return ComputeHumidity({ .airTemperature = ta, .measure = measure, .value = given });
        });
        const auto relative = check.expectDefined("RelativeAirVelocity", describe(va, M),
            [&] { return RelativeAirVelocity({ .airVelocity = va, .metabolicRate = M }); });
        const auto areaFactor = check.expectDefined(
            "ClothingAreaFactor", describe(Icl), [&] { return ClothingAreaFactor(Icl); });
        if (!relative || !areaFactor)
            continue;
        const double var = *relative;
        const double fcl = *areaFactor;
        check.expectDefined("OperativeTemperature", describe(var, ta, tr), [&] {
            return OperativeTemperature(
                { .relativeAirVelocity = var, .airTemperature = ta, .meanRadiantTemperature = tr });
        });

        const ComfortConditions comfort { .metabolicRate = M,
            .clothingInsulation = Icl,
            .clothingAreaFactor = fcl,
            .airTemperature = ta,
            .meanRadiantTemperature = tr,
            .vapourPressure = pa,
            .relativeAirVelocity = var };
        const std::string pmvInputs = describe(M, Icl, fcl, ta, tr, pa, var);
        if (const auto surface = check.expectDefined("ClothingSurfaceTemperature", pmvInputs,
                [&] { return ClothingSurfaceTemperature(comfort); }))
            check.expectDefined(
                "FangerPmv", pmvInputs, [&] { return FangerPmv(comfort, *surface); });

        const Exchange exchange { .metabolicRate = M,
            .clothingInsulation = Icl,
            .airTemperature = ta,
            .meanRadiantTemperature = tr,
            .vapourPressure = pa,
            .airVelocity = va };
        const std::string exchangeInputs = describe(M, Icl, ta, tr, pa, va);
        check.expectDefined(
            "HeatStressIndex", exchangeInputs, [&] { return HeatStressIndex(exchange); });
        check.expectDefined("WbgtIndex", describe(tnw, tg, ta), [&] {
            return WbgtIndex({ .naturalWetBulbTemperature = tnw,
                .globeTemperature = tg,
                .airTemperature = ta,
                .solarLoad = draw % 2 == 0 });
        });
        check.expectDefined("RequiredSweatRate",
            describe(M, Icl, ta, tr, pa, va, var, static_cast<int>(posture)), [&] {
                return RequiredSweatRate(
                    { .exchange = exchange, .relativeAirVelocity = var, .posture = posture });
            });
        check.expectDefined("WindChillIndex", describe(var, ta),
            [&] { return WindChillIndex({ .relativeAirVelocity = var, .airTemperature = ta }); });
        check.expectDefined(
            "RequiredInsulation", exchangeInputs, [&] { return RequiredInsulation(exchange); });
    }
    // The grid reaches both outcomes: most draws give numbers, the extreme ones faults.
    EXPECT_GT(check.faults(), 0);
}

} // namespace
} // namespace kalvora::engine
