#pragma once
// The body's heat balance of one method, as the results summary shows it: which method's balance
// is shown (a fixed priority among the methods whose values it shows), the seven terms of its
// chart, the verbal readings of each term and the class of the metabolic power. Heat flows in
// W/m², positive when the body loses heat.

#include "model/caption.h"
#include "model/input_parameters.h"
#include "model/method_results.h"
#include "results_summary.h"

#include <array>

namespace kalvora::model {

/// Whose balance is shown; None when no method with a balance applies.
enum class BalanceSource { None, Ireq, SwReq, Pmv, Hsi };

struct HeatBalance
{
    BalanceSource source = BalanceSource::None;
    double R = 0; ///< radiation
    double C = 0; ///< convection
    double Cres = 0; ///< respiratory convection
    double Eres = 0; ///< respiratory evaporation
    double E = 0; ///< evaporation of sweat
    double A = 0; ///< heat accumulated in the body
};

/// The record's keys of a method's balance terms R, C, Cres, Eres, E, A. PMV, SWreq and IREQ
/// have all six; the heat stress index has no respiratory terms, and its accumulated heat is
/// worked out from the others (a null key: no such field).
struct BalanceKeys
{
    const char *R, *C, *Cres, *Eres, *E, *A;
};

constexpr BalanceKeys balanceKeys(Method method)
{
    switch (method) {
    case Method::Pmv:
        return { "RIVM", "CIVM", "CresIVM", "EresIVM", "EIVM", "AcIVM" };
    case Method::Hsi:
        return { "RISC", "CISC", nullptr, nullptr, "EISC", nullptr };
    case Method::SwReq:
        return { "RSW", "CSW", "CresSW", "EresSW", "ESW", "AcSW" };
    case Method::Ireq:
        return { "RIREQ", "CIREQ", "CresIREQ", "EresIREQ", "EIREQ", "AcIREQ" };
    case Method::Wbgt:
    case Method::Wci:
        break;
    }
    return { nullptr, nullptr, nullptr, nullptr, nullptr, nullptr };
}

/// The first that applies among the shown methods: IREQ when its rating shows strain, SWreq, PMV,
/// HSI (whose record has no respiratory terms; its accumulated heat is M − R − C − E, with M in
/// W/m² the metabolic power read for the summary). All zero when none applies.
HeatBalance chooseBalance(const ShownMethods &shown, const MethodResults &results, double M);

/// The note naming the standard the balance follows; empty for None.
Caption balanceNote(BalanceSource source);

struct BalanceTerm
{
    Caption label;
    double value; ///< W/m²
};
inline constexpr int kBalanceTermCount = 7;

/// The chart's rows: −M, R, C, Cres, Eres, E, A.
std::array<BalanceTerm, kBalanceTermCount> balanceTerms(const HeatBalance &balance, double M);

/// Class of the metabolic power M (W/m²): rest below 80, then low, moderate, high from 80, 130 and
/// 200, very high from 260.
Caption metabolicClass(double M);

/// The verbal readings are given only when PMV, HSI or SWreq is shown.
bool balanceReadingsShown(const ShownMethods &shown);

/// "Hay equilibrio" by the one balance rule (InThermalBalance), otherwise "No hay equilibrio".
Caption balanceVerdict(double A);

/// The accumulated heat as the reading gives it: words, then a magnitude that is never negative
/// (the words say whether the heat was won or lost).
struct AccumulatedReading
{
    Caption words; ///< "A = " in balance, otherwise heat won (A ≥ 0) or lost
    double magnitude; ///< |A|, W/m²
};
AccumulatedReading accumulatedReading(double A);
/// Reading of the radiation term; 0.001 W/m² exactly is the no-exchange point.
Caption radiationReading(double R);
/// Reading of the convection term; exactly zero is no exchange.
Caption convectionReading(double C);

} // namespace kalvora::model
