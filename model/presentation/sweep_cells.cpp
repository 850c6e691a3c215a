#include "sweep_cells.h"

#include "model/exposure.h"
#include "model/heat_balance.h"
#include "unlimited_exposure.h"

#include <cmath>
#include <optional>

namespace kalvora::model {

namespace {

struct ColumnRule
{
    const char *name;
    std::optional<Method> method; ///< empty for the velocity column
    const char *dash; ///< the text while the method takes no part, blanks included
    SweepCell (*cell)(const SweepRow &, Language);
};

/// The swept velocities are whole hundredths of a m/s; rounding off the error of their binary
/// sums lets the general form read 0.15 where the sum is 0.15000000000000002.
SweepCell velocity(const SweepRow &row, Language)
{
    constexpr double kResolution = 1e6; // per m/s
    return { CellPattern::General, std::round(row.va * kResolution) / kResolution, {} };
}

template <double SweepRow::*Member, CellPattern Pattern>
SweepCell number(const SweepRow &row, Language)
{
    return { Pattern, row.*Member, {} };
}

SweepCell text(const char *shown)
{
    return { CellPattern::Text, 0, shown };
}

SweepCell tep(const SweepRow &row, Language language)
{
    if (isHeatStressExposureLimited(row.ISC, row.TEP))
        return { CellPattern::Grouped1, *row.TEP, {} };
    return text(inLanguage(unlimitedExposure(UnlimitedExposure::Sweep), language));
}

SweepCell dle(const SweepRow &row, Language language)
{
    if (isSweatExposureLimited(row.DLEnaa))
        return { CellPattern::Grouped2, row.DLEnaa, {} };
    return text(inLanguage(unlimitedExposure(UnlimitedExposure::Sweep), language));
}

SweepCell balance(const SweepRow &row, Language language)
{
    constexpr Caption kInBalance { " SI", "YES" };
    return text(InThermalBalance(row.Ac) ? inLanguage(kInBalance, language) : " NO");
}

using P = CellPattern;
using R = SweepRow;

constexpr ColumnRule kColumns[kSweepColumnCount] = {
    { "pv", std::nullopt, "", velocity },
    { "PIVM", Method::Pmv, "   -", number<&R::IVM, P::Grouped2> },
    { "PPPI", Method::Pmv, "  -", number<&R::PPI, P::Grouped1> },
    { "PISC", Method::Hsi, "  -", number<&R::ISC, P::Grouped1> },
    { "PTEP", Method::Hsi, "  -", tep },
    { "Pwp", Method::SwReq, "  -", number<&R::wp, P::Grouped2> },
    { "PSWp", Method::SwReq, "    -", number<&R::SWp, P::Grouped2> },
    { "PDLE", Method::SwReq, "  -", dle },
    { "peq", Method::SwReq, "  -", balance },
    { "PAc", Method::SwReq, "    -", number<&R::Ac, P::Grouped1> },
    { "PWCI", Method::Wci, "     -", number<&R::WCI, P::Plain1> },
    { "Ptch", Method::Wci, "   -", number<&R::tch, P::Grouped1> },
    { "PWBGT", Method::Wbgt, "  -", number<&R::WBGT, P::Grouped2> },
    { "Imin", Method::Ireq, "", number<&R::IREQmin, P::Grouped1> },
    { "Ineut", Method::Ireq, "", number<&R::IREQneut, P::Grouped1> },
};

/// A method's rows are complete when no fault stopped the sweep at or before it (the methods
/// run in flag order, each over every row).
bool completed(const Sweep &sweep, Method method)
{
    if (!sweep.fault)
        return true;
    return sweep.fault->method && static_cast<int>(method) < static_cast<int>(*sweep.fault->method);
}

} // namespace

const char *sweepColumnName(SweepColumn column)
{
    return kColumns[static_cast<int>(column)].name;
}

SweepCell sweepCell(const Sweep &sweep, int row, SweepColumn column, Language language)
{
    const ColumnRule &rule = kColumns[static_cast<int>(column)];
    const SweepRow &values = sweep.rows.at(static_cast<std::size_t>(row));
    if (rule.method) {
        if (!sweep.methods[static_cast<std::size_t>(*rule.method)])
            return text(rule.dash);
        if (!completed(sweep, *rule.method))
            return text("");
    }
    return rule.cell(values, language);
}

} // namespace kalvora::model
