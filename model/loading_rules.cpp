#include "loading_rules.h"

#include "caption.h"

namespace kalvora::model {

namespace {

/// A temperature that may not lie on one side of the dry air temperature while its field is
/// enabled; equality always passes.
struct Rule
{
    Field field;
    bool mustNotBeBelow; ///< true: refused below ta; false: refused above ta
    Caption text;
};

constexpr Rule kRules[] = {
    { Field::tglobo, true,
        { "La temperatura de globo (tg) no puede ser menor que la temperatura del aire seco.",
            "The globe temperature(tg) can't be lower than the air dry temperature (ta)." } },
    { Field::tbhn, false,
        { "La temperatura de bulbo húmedo natural (tbhn) no puede ser mayor que la temperatura del "
          "aire seco.",
            "The natural wet-bulb temperature (tnw) can't be higher than the air dry temperature "
            "(ta)." } },
    { Field::tbh, false,
        { "La temperatura de bulbo húmedo (tbh) no puede ser mayor que la temperatura del aire "
          "seco.",
            "The wet bulb temperature (tw) can't be higher than the air dry temperature." } },
};

} // namespace

namespace {

/// Calls broken(rule) for each rule the enabled inputs break, in order.
template <class Broken> void checkRules(const InputParameters &input, Broken broken)
{
    if (!input.enabled(Field::Taseco)) // no method on: nothing to check
        return;
    const double ta = input.value(Field::Taseco);
    for (const Rule &rule : kRules) {
        if (!input.enabled(rule.field))
            continue;
        const double t = input.value(rule.field);
        if (rule.mustNotBeBelow ? t < ta : t > ta)
            broken(rule);
    }
}

} // namespace

std::vector<std::string> RefusalTexts(const InputParameters &input, Language language)
{
    std::vector<std::string> texts;
    checkRules(
        input, [&](const Rule &rule) { texts.emplace_back(inLanguage(rule.text, language)); });
    return texts;
}

std::vector<Field> RefusedFields(const InputParameters &input)
{
    std::vector<Field> fields;
    checkRules(input, [&](const Rule &rule) { fields.push_back(rule.field); });
    return fields;
}

} // namespace kalvora::model
