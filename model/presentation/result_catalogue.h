#pragma once
// Every result key the front ends show, in one table: the values of the results record, the six
// ratings and the PMV range flag, each with its method, unit, meaning in both languages, display
// pattern, the way it may stand for an unlimited exposure rather than a time, and when the
// evaluation writes it, which decides whether a value is of the last evaluation. The command
// line's columns and writers, the parameters report, the summary, the hub and the views read it.

#include "model/evaluation.h"
#include "model/input_parameters.h"
#include "model/language.h"
#include "model/method_results.h"
#include "number_pattern.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace kalvora::model {

enum class ResultKind {
    Value, ///< a quantity of the record
    Rating, ///< a method's rating, 0, 1 or 2
    Flag, ///< the PMV range flag of the evaluation, 0 or 1
};

/// When the evaluation writes a key.
enum class Written {
    Shared, ///< before any method runs
    WhenRun, ///< when its method runs to the end
    WhenSelected, ///< whenever its method is selected, also when it then does not run
    Always, ///< by every evaluation
};

/// How a time of the record may stand for an exposure that is not limited (model/exposure.h).
enum class ExposureMarker {
    None,
    HeatStress, ///< TEP: a limit only where ISC is above 100 %
    SweatRate, ///< DLEnaa … DLEap: −1, or any time at or below 0.001 min
    RequiredInsulation, ///< DLE1, DLE2: empty where the heat storage is exactly 0
    WornMinimal, ///< DLE3: also where the worn clothing insulates more than IREQmin
    WornNeutral, ///< DLE4: also where the worn clothing insulates more than IREQneut
};

/// A value the evaluation states rather than the record holds.
using EvaluationValue = std::optional<double> (*)(const MethodResults &, const Evaluation &);

/// Where a key's value is: a member of the record (a quantity, a time that may be empty, a rating)
/// or a value of the evaluation. A member is read with one load, not a call: a batch row reads
/// some eighty keys.
using ResultSource = std::variant<double MethodResults::*, std::optional<double> MethodResults::*,
    std::int16_t MethodResults::*, EvaluationValue>;

struct ResultEntry
{
    std::string key; ///< the name the whole program uses
    ResultKind kind;
    std::optional<Method> method; ///< empty for the shared values and the range flag
    Written written;
    std::string_view unit; ///< empty for a pure number, a rating or a flag
    std::array<std::string, 2> meaning; ///< one line, by Language
    NumberPattern pattern;
    ExposureMarker marker;
    ResultSource source;

    /// The value: a quantity, a rating as its level, the flag as 0 or 1; empty where the record
    /// holds no time (the exposure is then not limited).
    std::optional<double> read(const MethodResults &results, const Evaluation &evaluation) const
    {
        if (const auto *value = std::get_if<double MethodResults::*>(&source))
            return results.**value;
        if (const auto *time = std::get_if<std::optional<double> MethodResults::*>(&source))
            return results.**time;
        if (const auto *level = std::get_if<std::int16_t MethodResults::*>(&source))
            return results.**level;
        return std::get<EvaluationValue>(source)(results, evaluation);
    }

    std::string_view meaningIn(Language language) const
    {
        return meaning[static_cast<std::size_t>(language)];
    }
};

/// Every key in output order: the record's values in the record's order, the ratings in flag
/// order, the PMV range flag.
std::span<const ResultEntry> resultCatalogue();

/// The entry of a key; nullptr for a name that is no result key.
const ResultEntry *findResult(std::string_view key);

/// The entry of a key the program names itself; throws std::out_of_range for any other name.
const ResultEntry &resultEntry(std::string_view key);

/// The entry of a method's rating.
const ResultEntry &ratingEntry(Method method);

/// Whether the value of an entry stands for an exposure that is not limited rather than for a
/// time, given the clothing insulation worn, Iclo in clo.
bool marksUnlimitedExposure(
    const ResultEntry &entry, const MethodResults &results, double wornInsulation);

/// What the readers of the record need to know of the last evaluation to tell its values from
/// those an older one left: a method that did not run, or did not finish, has no values.
class EvaluationScope
{
public:
    /// No evaluation ran (none yet, or the loading rules refused the inputs): nothing belongs.
    EvaluationScope() = default;
    /// The evaluation that ran over `given`, the inputs as they were stated.
    EvaluationScope(const Evaluation &evaluation, const InputParameters &given);

    bool evaluated() const { return m_evaluated; }
    /// The shared values were computed: no fault came before the first method.
    bool sharedValues() const { return m_shared; }
    /// The method ran to the end: its values are of this evaluation.
    bool finished(Method method) const { return m_finished[index(method)]; }
    /// The method was selected but a fault stopped the evaluation before it finished.
    bool stopped(Method method) const
    {
        return m_evaluated && !m_complete && m_selected[index(method)] && !finished(method);
    }

    /// Whether the record holds the entry's value from this evaluation.
    bool belongs(const ResultEntry &entry) const
    {
        switch (entry.written) {
        case Written::Shared:
            return m_shared;
        case Written::WhenRun:
            return finished(*entry.method);
        case Written::WhenSelected:
            return m_shared && m_selected[index(*entry.method)];
        case Written::Always:
            return m_evaluated;
        }
        return false;
    }

private:
    static std::size_t index(Method method) { return static_cast<std::size_t>(method); }

    bool m_evaluated = false;
    bool m_shared = false;
    bool m_complete = false;
    std::array<bool, kMethodCount> m_finished {};
    std::array<bool, kMethodCount> m_selected {};
};

} // namespace kalvora::model
