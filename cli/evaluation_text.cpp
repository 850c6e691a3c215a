#include "evaluation_text.h"

#include "display_number.h"
#include "input_options.h"
#include "model/caption.h"
#include "result_units.h"

#include <array>
#include <iomanip>
#include <sstream>

namespace kalvora::cli {

using model::Caption;
using model::Language;

namespace {

enum class Text { Inputs, Shared, Unlimited, Messages };

constexpr Caption caption(Text text)
{
    switch (text) {
    case Text::Inputs:
        return { "Datos de entrada", "Inputs" };
    case Text::Shared:
        return { "Valores comunes", "Shared values" };
    case Text::Unlimited:
        return { "ilimitado", "unlimited" };
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

/// The values of one group: the shared values (no method) or the fields of one method.
void groupLines(std::ostream &out, const PointOutcome &outcome, std::optional<model::Method> method,
    Language language)
{
    std::ostringstream lines;
    for (const model::ResultField &field : model::resultFields()) {
        if (field.method != method || !FieldShown(field, outcome))
            continue;
        const std::optional<double> value = field.read(outcome.results);
        line(lines, field.name,
            value ? GroupedFixed(*value, 2) : inLanguage(caption(Text::Unlimited), language),
            ResultUnit(field.name));
    }
    for (const RatingField &rating : ratingFields()) {
        if (method == rating.method && RatingShown(rating, outcome)) {
            const std::int16_t level = outcome.results.*rating.member;
            const bool known = level >= 0 && level < static_cast<int>(kRatingColours.size());
            line(lines, rating.name, std::to_string(level),
                known ? inLanguage(kRatingColours[static_cast<std::size_t>(level)], language) : "");
        }
    }
    if (lines.tellp() == 0)
        return;
    out << (method ? model::methodName(*method, language)
                   : inLanguage(caption(Text::Shared), language))
        << '\n'
        << lines.str();
}

} // namespace

std::string EvaluationText(const PointOutcome &outcome, Language language)
{
    std::ostringstream out;
    inputLines(out, outcome.given, language);
    groupLines(out, outcome, std::nullopt, language);
    for (int m = 0; m < model::kMethodCount; ++m)
        groupLines(out, outcome, static_cast<model::Method>(m), language);
    if (!outcome.messages.empty()) {
        out << inLanguage(caption(Text::Messages), language) << '\n';
        for (const std::string &message : outcome.messages)
            out << "  " << message << '\n';
    }
    return out.str();
}

} // namespace kalvora::cli
