#include "evaluation_text.h"

#include "display_number.h"
#include "input_options.h"
#include "model/caption.h"
#include "model/presentation/unlimited_exposure.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <sstream>

namespace kalvora::cli {

using model::Caption;
using model::Language;

namespace {

enum class Text { Inputs, Shared, Results, Messages };

constexpr Caption caption(Text text)
{
    switch (text) {
    case Text::Inputs:
        return { "Datos de entrada", "Inputs" };
    case Text::Shared:
        return { "Valores comunes", "Shared values" };
    case Text::Results:
        return { "Resultados", "Results" };
    case Text::Messages:
        return { "Mensajes", "Messages" };
    }
    return { "", "" };
}

constexpr std::array<Caption, 3> kRatingColours
    = { { { "verde", "green" }, { "naranja", "orange" }, { "rojo", "red" } } };

void line(std::ostream &out, std::string_view name, const std::string &value, std::string_view unit)
{
    out << "  " << std::left << std::setw(14) << name << std::right << std::setw(12) << value;
    if (!unit.empty())
        out << ' ' << unit;
    out << '\n';
}

void inputLines(std::ostream &out, const model::InputParameters &input, Language language)
{
    out << inLanguage(caption(Text::Inputs), language) << '\n';
    for (const NumericInput &option : numericInputs()) {
        if (InputUsed(input, option.field))
            line(out, option.name,
                PatternNumber(input.value(option.field), model::NumberPattern::Grouped2),
                option.unit);
    }
    if (input.groupEnabled(model::OptionGroup::Radsolar))
        line(out, "solar",
            kSolarKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::Radsolar))], "");
    if (input.groupEnabled(model::OptionGroup::postura))
        line(out, "posture",
            kPostureKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::postura))],
            "");
}

/// The line of one key: a value with its unit or the unlimited word, or a rating with its colour.
void resultLine(std::ostream &out, const model::ResultEntry &entry, const PointOutcome &outcome,
    Language language, std::optional<int> decimals)
{
    const std::optional<double> value = entry.read(outcome.results, outcome.evaluation);
    if (entry.kind == model::ResultKind::Rating) {
        const int level = static_cast<int>(*value);
        const bool known = level >= 0 && level < static_cast<int>(kRatingColours.size());
        line(out, entry.key, std::to_string(level),
            known ? inLanguage(kRatingColours[static_cast<std::size_t>(level)], language) : "");
    } else if (entry.kind == model::ResultKind::Flag) {
        line(out, entry.key, *value != 0 ? "true" : "false", "");
    } else if (!value
        || model::marksUnlimitedExposure(
            entry, outcome.results, outcome.given.value(model::Field::Iclo))) {
        line(out, entry.key,
            inLanguage(unlimitedExposure(model::summaryUnlimited(entry.marker)), language), "");
    } else {
        line(out, entry.key, PatternNumber(*value, entry.pattern, decimals), entry.unit);
    }
}

/// The values and the rating of one group: the shared values (no method) or one method's.
void groupLines(std::ostream &out, const PointOutcome &outcome, std::optional<model::Method> method,
    Language language, std::optional<int> decimals)
{
    const model::EvaluationScope scope = outcome.scope();
    std::ostringstream lines;
    for (const model::ResultEntry &entry : model::resultCatalogue()) {
        if (entry.method == method && entry.kind != model::ResultKind::Flag && scope.belongs(entry))
            resultLine(lines, entry, outcome, language, decimals);
    }
    if (lines.tellp() == 0)
        return;
    out << (method ? model::methodName(*method, language)
                   : inLanguage(caption(Text::Shared), language))
        << '\n'
        << lines.str();
}

/// The chosen values that belong to the outcome, in the order chosen, under one heading.
void chosenLines(std::ostream &out, const PointOutcome &outcome,
    const std::vector<ResultKey> &chosen, Language language, std::optional<int> decimals)
{
    std::ostringstream lines;
    for (const ResultKey key : chosen) {
        if (ResultValue(key, outcome))
            resultLine(lines, *key, outcome, language, decimals);
    }
    if (lines.tellp() != 0)
        out << inLanguage(caption(Text::Results), language) << '\n' << lines.str();
}

} // namespace

std::string EvaluationText(const PointOutcome &outcome, Language language,
    const std::optional<std::vector<ResultKey>> &chosen, int precision)
{
    const std::optional<int> decimals
        = precision == kShortest ? std::nullopt : std::optional(precision);
    std::ostringstream out;
    inputLines(out, outcome.given, language);
    if (chosen) {
        chosenLines(out, outcome, *chosen, language, decimals);
    } else {
        groupLines(out, outcome, std::nullopt, language, decimals);
        for (const model::Method method : model::kAllMethods)
            groupLines(out, outcome, method, language, decimals);
    }
    if (!outcome.messages.empty()) {
        out << inLanguage(caption(Text::Messages), language) << '\n';
        for (const std::string &message : outcome.messages)
            out << "  " << message << '\n';
    }
    return out.str();
}

} // namespace kalvora::cli
