#include "evaluation_text.h"

#include "display_number.h"
#include "input_options.h"
#include "model/caption.h"
#include "model/exposure.h"
#include "result_units.h"

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
            line(out, option.name, GroupedFixed(input.value(option.field), 2), option.unit);
    }
    if (input.groupEnabled(model::OptionGroup::Radsolar))
        line(out, "solar",
            kSolarKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::Radsolar))], "");
    if (input.groupEnabled(model::OptionGroup::postura))
        line(out, "posture",
            kPostureKeys[static_cast<std::size_t>(input.selected(model::OptionGroup::postura))],
            "");
}

/// The line of one result value: the number with its unit, or the unlimited word.
void resultLine(std::ostream &out, const model::ResultField &field, const PointOutcome &outcome,
    Language language, int decimals)
{
    const std::optional<double> value = field.read(outcome.results);
    const std::optional<model::UnlimitedExposure> unlimited
        = UnlimitedExposure(field.name, outcome);
    if (unlimited || !value)
        line(out, field.name,
            inLanguage(
                unlimitedExposure(unlimited.value_or(model::UnlimitedExposure::SummarySweat)),
                language),
            "");
    else
        line(out, field.name, GroupedFixed(*value, decimals), ResultUnit(field.name));
}

void ratingLine(
    std::ostream &out, const RatingField &rating, const PointOutcome &outcome, Language language)
{
    const std::int16_t level = outcome.results.*rating.member;
    const bool known = level >= 0 && level < static_cast<int>(kRatingColours.size());
    line(out, rating.name, std::to_string(level),
        known ? inLanguage(kRatingColours[static_cast<std::size_t>(level)], language) : "");
}

/// The values of one group: the shared values (no method) or the fields of one method.
void groupLines(std::ostream &out, const PointOutcome &outcome, std::optional<model::Method> method,
    Language language, int decimals)
{
    std::ostringstream lines;
    for (const model::ResultField &field : model::resultFields()) {
        if (field.method == method && FieldShown(field, outcome))
            resultLine(lines, field, outcome, language, decimals);
    }
    for (const RatingField &rating : ratingFields()) {
        if (method == rating.method && RatingShown(rating, outcome))
            ratingLine(lines, rating, outcome, language);
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
    const std::vector<ResultKey> &chosen, Language language, int decimals)
{
    std::ostringstream lines;
    for (const ResultKey &key : chosen) {
        if (!ResultValue(key, outcome))
            continue;
        if (key.kind == ResultKey::Kind::Field)
            resultLine(lines, model::resultFields()[key.index], outcome, language, decimals);
        else if (key.kind == ResultKey::Kind::Rating)
            ratingLine(lines, ratingFields()[key.index], outcome, language);
        else
            line(lines, key.name, outcome.evaluation.pmvOutOfRange ? "true" : "false", "");
    }
    if (lines.tellp() != 0)
        out << inLanguage(caption(Text::Results), language) << '\n' << lines.str();
}

} // namespace

std::optional<model::UnlimitedExposure> UnlimitedExposure(
    std::string_view name, const PointOutcome &outcome)
{
    using model::UnlimitedExposure;
    const model::MethodResults &results = outcome.results;
    const double worn = outcome.given.value(model::Field::Iclo);
    bool limited = true;
    if (name == "TEP")
        return model::isHeatStressExposureLimited(results.ISC, results.TEP)
            ? std::nullopt
            : std::optional(UnlimitedExposure::SummaryHsi);
    if (name == "DLEnaa" || name == "DLEnap" || name == "DLEaa" || name == "DLEap") {
        const model::ResultField &field
            = *std::find_if(model::resultFields().begin(), model::resultFields().end(),
                [&](const model::ResultField &candidate) { return candidate.name == name; });
        limited = model::isSweatExposureLimited(*field.read(results));
    } else if (name == "DLE3") {
        limited = model::isInsulationExposureLimited(results.DLE3, worn, results.IREQ1);
    } else if (name == "DLE4") {
        limited = model::isInsulationExposureLimited(results.DLE4, worn, results.IREQ2);
    }
    return limited ? std::nullopt : std::optional(UnlimitedExposure::SummarySweat);
}

std::string EvaluationText(const PointOutcome &outcome, Language language,
    const std::optional<std::vector<ResultKey>> &chosen, int precision)
{
    const int decimals = precision == kShortest ? 2 : precision;
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
