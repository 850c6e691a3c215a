#include "thermal_balance.h"

#include "model/heat_balance.h"

#include <cmath>

namespace kalvora::model {

namespace {

// The radiation reading's point of no exchange, W/m²: radiation exactly at it is neither lost
// nor won; below it, even at zero, the reading says heat is won.
constexpr double kRadiationNoExchange = 0.001;

bool has(const ShownMethods &shown, Method method)
{
    return shown[static_cast<std::size_t>(method)];
}

/// The terms of a method's balance as the record holds them; 0 for a term it has none of.
HeatBalance balanceOf(BalanceSource source, Method method, const MethodResults &results)
{
    const BalanceKeys keys = balanceKeys(method);
    const auto term = [&results](const char *key) {
        return key ? resultEntry(key).read(results, Evaluation()).value_or(0) : 0.0;
    };
    return { source, term(keys.R), term(keys.C), term(keys.Cres), term(keys.Eres), term(keys.E),
        term(keys.A) };
}

} // namespace

HeatBalance chooseBalance(const ShownMethods &shown, const MethodResults &r, double M)
{
    if (has(shown, Method::Ireq) && r.okIreq != 0)
        return balanceOf(BalanceSource::Ireq, Method::Ireq, r);
    if (has(shown, Method::SwReq))
        return balanceOf(BalanceSource::SwReq, Method::SwReq, r);
    if (has(shown, Method::Pmv))
        return balanceOf(BalanceSource::Pmv, Method::Pmv, r);
    if (has(shown, Method::Hsi)) {
        HeatBalance b = balanceOf(BalanceSource::Hsi, Method::Hsi, r);
        b.A = M - b.R - b.C - b.E;
        return b;
    }
    return {};
}

Caption balanceNote(BalanceSource source)
{
    switch (source) {
    case BalanceSource::Ireq:
        return { "(Calculado siguiendo la ISO 11079 (IREQ))", "(Based on ISO 11079 (IREQ))" };
    case BalanceSource::SwReq:
        return { "(Calculado siguiendo la ISO 7933 (Indice de sudoración requerida))",
            "(Based on ISO 7933 (Required sweat rate))" };
    case BalanceSource::Pmv:
        return { "(Calculado siguiendo la ISO 7730 (IVM))", "(Based on ISO 7730 (Fanger's PMV))" };
    case BalanceSource::Hsi:
        return { "(Calculado según método del ISC)", "(Based on Heat Stress Index)" };
    case BalanceSource::None:
        return { "", "" };
    }
    return { "", "" };
}

std::array<BalanceTerm, kBalanceTermCount> balanceTerms(const HeatBalance &b, double M)
{
    return { {
        { { "Energía metabólica", "Metabolic power" }, -M },
        { { "Radiación", "Radiation heat" }, b.R },
        { { "Convección", "Convective heat" }, b.C },
        { { "Convección respiratoria", "Respiratory convective heat" }, b.Cres },
        { { "Evaporación respiratoria", "Respiratory evaporative heat" }, b.Eres },
        { { "Evaporación del sudor", "Evaporative heat" }, b.E },
        { { "Calor Acumulado ", "Rate of change in body heat" }, b.A },
    } };
}

Caption metabolicClass(double M)
{
    if (M < 80)
        return { "Estado de reposo", "Estado de reposo" };
    if (M < 130)
        return { "Baja", "Low" };
    if (M < 200)
        return { "Moderada", "Moderate" };
    if (M < 260)
        return { "Elevada", "High" };
    return { "Muy elevada", "Very high" };
}

bool balanceReadingsShown(const ShownMethods &shown)
{
    return has(shown, Method::Pmv) || has(shown, Method::Hsi) || has(shown, Method::SwReq);
}

Caption balanceVerdict(double A)
{
    return InThermalBalance(A) ? Caption { "Hay equilibrio", "Balance" }
                               : Caption { "No hay equilibrio", "No balance" };
}

AccumulatedReading accumulatedReading(double A)
{
    const double magnitude = std::abs(A);
    if (InThermalBalance(A))
        return { { "A = ", "A = " }, magnitude };
    return { A >= 0 ? Caption { "Calor ganado = ", "Won heat = " }
                    : Caption { "Calor perdido = ", "Lost heat = " },
        magnitude };
}

Caption radiationReading(double R)
{
    if (R > kRadiationNoExchange)
        return { "Evacuación de calor hacia el ambiente", "Lost heat" };
    if (R < kRadiationNoExchange)
        return { "Absorción de calor", "Won heat" };
    return { "No hay intercambio de calor por radiación", "No radiation heat exchange" };
}

Caption convectionReading(double C)
{
    if (C > 0)
        return { "Evacuación de calor hacia el ambiente", "Heat evacuation" };
    if (C < 0)
        return { "Absorción de calor", "Heat absorption" };
    return { "No hay intercambio de calor por convección", "No convection heat exchange" };
}

} // namespace kalvora::model
