#include "input_parameters.h"

#include "option_boxes.h"

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <optional>

namespace kalvora::model {

namespace {

using Methods = unsigned; // bit k set: method k

constexpr Methods methods(std::initializer_list<Method> list)
{
    Methods mask = 0;
    for (Method m : list)
        mask |= 1u << static_cast<int>(m);
    return mask;
}

constexpr Methods kAnyMethod = (1u << kMethodCount) - 1;
constexpr Methods kClothing = methods({ Method::Pmv, Method::Hsi, Method::SwReq, Method::Ireq });
constexpr Methods kRadiation
    = methods({ Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq, Method::Ireq });
constexpr Methods kHumidity = kClothing;
constexpr Methods kWbgtOnly = methods({ Method::Wbgt });
constexpr Methods kSweatOnly = methods({ Method::SwReq });

struct FieldRow
{
    const char *name;
    const char *startText;
    Methods methods; ///< the field is enabled when one of these is on (a box: and its option)
};

constexpr FieldRow kFields[kFieldCount] = {
    { "Metabolismo", "85", kAnyMethod },
    { "Taseco", "18", kAnyMethod },
    { "Iclo", "0.7", kClothing },
    { "vaire", "0.15", kAnyMethod },
    { "tglobo", "20", kRadiation },
    { "TRMedia", "20", kRadiation },
    { "tbhn", "16", kWbgtOnly },
    { "HR", "65", kHumidity },
    { "tbh", "17", kHumidity },
    { "pa", "1.5", kHumidity },
};

struct GroupRow
{
    Methods methods;
    int options;
    int startOption;
};

constexpr GroupRow kGroups[kOptionGroupCount] = {
    { kRadiation, static_cast<int>(std::size(kRadiationBoxes)),
        0 }, // Radiacion: one option per box
    { kHumidity, static_cast<int>(std::size(kHumidityBoxes)), 0 }, // humedad: one option per box
    { kWbgtOnly, 2, 1 }, // Radsolar: outdoors with solar load / indoors
    { kSweatOnly, 3, 1 }, // postura: standing / seated / crouching
};

} // namespace

InputParameters::InputParameters()
{
    // The start texts and their numbers, read once for the whole run.
    static const std::array<std::string, kFieldCount> startTexts = [] {
        std::array<std::string, kFieldCount> texts;
        for (int f = 0; f < kFieldCount; ++f)
            texts[f] = kFields[f].startText;
        return texts;
    }();
    static const std::array<double, kFieldCount> startValues = [] {
        std::array<double, kFieldCount> values {};
        for (int f = 0; f < kFieldCount; ++f)
            values[f] = FieldValue(startTexts[f]);
        return values;
    }();
    m_text = startTexts;
    m_value = startValues;
    for (int g = 0; g < kOptionGroupCount; ++g)
        m_selected[g] = kGroups[g].startOption;
}

void InputParameters::setText(Field field, std::string text)
{
    m_value[index(field)] = FieldValue(text);
    m_text[index(field)] = std::move(text);
}

bool InputParameters::setPlainNumber(Field field, std::string_view text)
{
    const std::optional<double> number = PlainNumber(text);
    if (!number || !std::isfinite(*number))
        return false;
    m_value[index(field)] = *number;
    m_text[index(field)] = text;
    return true;
}

bool InputParameters::anyMethod() const
{
    for (bool on : m_method)
        if (on)
            return true;
    return false;
}

void InputParameters::select(OptionGroup group, int option)
{
    // Exactly one option is selected at all times: an index the group does not have is ignored.
    if (option >= 0 && option < kGroups[index(group)].options)
        m_selected[index(group)] = option;
}

namespace {

bool anyOn(const std::array<bool, kMethodCount> &flags, Methods mask)
{
    for (int m = 0; m < kMethodCount; ++m)
        if (flags[m] && (mask & (1u << m)))
            return true;
    return false;
}

} // namespace

bool InputParameters::groupEnabled(OptionGroup group) const
{
    return anyOn(m_method, kGroups[index(group)].methods);
}

bool InputParameters::enabled(Field field) const
{
    if (const std::optional<BoxOption> box = boxOption(field))
        return groupEnabled(box->group) && selected(box->group) == box->option;
    return anyOn(m_method, kFields[index(field)].methods);
}

bool InputParameters::operator==(const InputParameters &other) const
{
    return m_text == other.m_text && m_selected == other.m_selected && m_method == other.m_method;
}

const char *InputParameters::name(Field field)
{
    return kFields[index(field)].name;
}

const char *InputParameters::startText(Field field)
{
    return kFields[index(field)].startText;
}

} // namespace kalvora::model
