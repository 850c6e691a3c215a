#pragma once
// Which text box each option of the radiation and humidity groups names: the one table the
// enabling rule, the evaluation and the front ends read.

#include "input_parameters.h"

#include <optional>
#include <span>

namespace kalvora::model {

/// Radiacion: 0 globe temperature given, 1 mean radiant temperature given.
inline constexpr Field kRadiationBoxes[] = { Field::tglobo, Field::TRMedia };
/// humedad: 0 relative humidity, 1 psychrometric wet-bulb temperature, 2 vapour pressure.
inline constexpr Field kHumidityBoxes[] = { Field::HR, Field::tbh, Field::pa };

/// The boxes of a group in option order; empty for the groups without boxes.
constexpr std::span<const Field> optionBoxes(OptionGroup group)
{
    switch (group) {
    case OptionGroup::Radiacion:
        return kRadiationBoxes;
    case OptionGroup::humedad:
        return kHumidityBoxes;
    case OptionGroup::Radsolar:
    case OptionGroup::postura:
        return {};
    }
    return {};
}

/// The option of a group that names a box.
struct BoxOption
{
    OptionGroup group;
    int option;
};

/// The group and option whose box field is; empty for a field outside the option groups.
constexpr std::optional<BoxOption> boxOption(Field field)
{
    for (const OptionGroup group : { OptionGroup::Radiacion, OptionGroup::humedad }) {
        const std::span<const Field> boxes = optionBoxes(group);
        for (std::size_t option = 0; option < boxes.size(); ++option)
            if (boxes[option] == field)
                return BoxOption { group, static_cast<int>(option) };
    }
    return std::nullopt;
}

/// The group whose option a box belongs to, if any.
constexpr std::optional<OptionGroup> boxGroup(Field field)
{
    const std::optional<BoxOption> box = boxOption(field);
    return box ? std::optional<OptionGroup>(box->group) : std::nullopt;
}

/// The box named by the option the group has selected (the radiation or the humidity input);
/// group is one of the two groups with boxes.
inline Field selectedBox(const InputParameters &input, OptionGroup group)
{
    return optionBoxes(group)[static_cast<std::size_t>(input.selected(group))];
}

} // namespace kalvora::model
