#include "input_options.h"

#include "model/loading_rules.h"
#include "printable.h"

#include <algorithm>
#include <utility>

namespace kalvora::cli {

using model::Field;
using model::InputParameters;
using model::Method;
using model::OptionGroup;

namespace {

constexpr NumericInput kNumericInputs[] = {
    { model::fieldKey(Field::Metabolismo), Field::Metabolismo, "W/m²", "metabolic power", true },
    { model::fieldKey(Field::Taseco), Field::Taseco, "°C", "dry air temperature", true },
    { model::fieldKey(Field::Iclo), Field::Iclo, "clo", "clothing insulation", true },
    { model::fieldKey(Field::vaire), Field::vaire, "m/s", "air velocity", true },
    { model::fieldKey(Field::tglobo), Field::tglobo, "°C", "globe temperature", true },
    { model::fieldKey(Field::TRMedia), Field::TRMedia, "°C",
        "mean radiant temperature; giving it makes it the radiation input", false },
    { model::fieldKey(Field::tbhn), Field::tbhn, "°C", "natural wet-bulb temperature", true },
    { model::fieldKey(Field::HR), Field::HR, "%", "relative humidity", true },
    { model::fieldKey(Field::tbh), Field::tbh, "°C",
        "psychrometric wet-bulb temperature; giving it makes it the humidity input", false },
    { model::fieldKey(Field::pa), Field::pa, "kPa",
        "partial pressure of water vapour; giving it makes it the humidity input", false },
};

template <std::size_t N>
int choice(const std::optional<std::string_view> &text, const std::array<const char *, N> &keys,
    int start, std::string_view name, Spelling spelling)
{
    if (!text)
        return start;
    const auto found = std::find(keys.begin(), keys.end(), *text);
    if (found != keys.end())
        return static_cast<int>(found - keys.begin());
    std::string allowed;
    for (const char *key : keys)
        allowed += (allowed.empty() ? "" : ", ") + std::string(key);
    throw InputError(std::string(spelling.prefix) + std::string(name) + ": expected one of "
        + allowed + ", got " + Quoted(*text));
}

const std::optional<std::string_view> &given(const PointInputs &point, Field field)
{
    return point.numbers[static_cast<std::size_t>(field)];
}

} // namespace

std::span<const NumericInput> numericInputs()
{
    return kNumericInputs;
}

PointInputs Viewed(const PointOptions &options)
{
    PointInputs point;
    std::copy(options.numbers.begin(), options.numbers.end(), point.numbers.begin());
    point.solar = options.solar;
    point.posture = options.posture;
    point.methods = options.methods;
    return point;
}

MethodFlags ParseMethods(std::string_view text, Spelling spelling)
{
    const auto fail = [&](const std::string &what) -> MethodFlags {
        throw InputError(std::string(spelling.prefix) + "methods: " + what);
    };
    MethodFlags flags {};
    if (text == "all") {
        flags.fill(true);
        return flags;
    }
    if (text.empty())
        return fail("empty list; name methods among pmv, hsi, wbgt, swreq, wci, ireq, or all");
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end
            = std::min(text.find_first_of(spelling.methodSeparators, start), text.size());
        const std::string_view name = text.substr(start, end - start);
        const auto found = std::find(kMethodKeys.begin(), kMethodKeys.end(), name);
        if (found == kMethodKeys.end())
            return fail("unknown method " + Quoted(name)
                + "; known: pmv, hsi, wbgt, swreq, wci, ireq, all");
        flags[static_cast<std::size_t>(found - kMethodKeys.begin())] = true;
        start = end + 1;
    }
    return flags;
}

InputParameters BuildInput(const PointInputs &point, Spelling spelling)
{
    InputParameters input;
    BuildInput(point, spelling, input);
    return input;
}

void BuildInput(const PointInputs &point, Spelling spelling, InputParameters &input)
{
    // A fresh form's state, copied over storage that a batch reuses row after row.
    static const InputParameters fresh;
    input = fresh;
    for (const NumericInput &option : kNumericInputs) {
        const std::optional<std::string_view> &text = given(point, option.field);
        if (!text)
            continue;
        // Only the plain form, so that what a script passes means exactly one number.
        if (!input.setPlainNumber(option.field, *text))
            throw InputError(std::string(spelling.prefix) + option.name
                + ": expected a finite number such as 18, -0.5 or 1.5e2, got " + Quoted(*text));
    }

    const int humidityGiven = static_cast<int>(given(point, Field::HR).has_value())
        + given(point, Field::tbh).has_value() + given(point, Field::pa).has_value();
    if (humidityGiven > 1)
        throw InputError("give only one of " + std::string(spelling.prefix) + "rh, "
            + std::string(spelling.prefix) + "tw, " + std::string(spelling.prefix)
            + "pa (the humidity input)");
    if (given(point, Field::TRMedia))
        input.select(OptionGroup::Radiacion, 1);
    if (given(point, Field::tbh))
        input.select(OptionGroup::humedad, 1);
    if (given(point, Field::pa))
        input.select(OptionGroup::humedad, 2);
    input.select(OptionGroup::Radsolar,
        choice(point.solar, kSolarKeys, input.selected(OptionGroup::Radsolar), "solar", spelling));
    input.select(OptionGroup::postura,
        choice(point.posture, kPostureKeys, input.selected(OptionGroup::postura), "posture",
            spelling));

    const MethodFlags methods
        = point.methods ? ParseMethods(*point.methods, spelling) : ParseMethods("all", spelling);
    for (const Method method : model::kAllMethods)
        input.setMethod(method, methods[static_cast<std::size_t>(method)]);
}

std::vector<std::string> DefaultNotes(
    const PointInputs &point, const InputParameters &input, Spelling spelling)
{
    std::vector<Field> involved = model::RefusedFields(input);
    if (!involved.empty())
        involved.push_back(Field::Taseco);
    std::vector<std::string> notes;
    for (const Field field : involved) {
        if (given(point, field))
            continue;
        const std::string key = model::fieldKey(field);
        std::string note = key;
        note.append(" was not given and defaults to ").append(input.text(field));
        note.append("; give ").append(spelling.prefix).append(key);
        notes.push_back(std::move(note));
    }
    return notes;
}

bool InputUsed(const InputParameters &input, Field field)
{
    return input.enabled(field) || (field == Field::tglobo && input.method(Method::Wbgt));
}

} // namespace kalvora::cli
