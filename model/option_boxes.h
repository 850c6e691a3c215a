#pragma once
// Which text box belongs to which option of the radiation and humidity groups.

#include "input_parameters.h"

#include <optional>
#include <span>

namespace kalvora::model {

inline constexpr Field kRadiationBoxes[] = { Field::tglobo, Field::TRMedia };
inline constexpr Field kHumidityBoxes[] = { Field::HR, Field::tbh, Field::pa };

/// The boxes of a group in option order; empty for the groups without boxes.
inline std::span<const Field> optionBoxes(OptionGroup group)
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

/// The group whose option a box belongs to, if any.
inline std::optional<OptionGroup> boxGroup(Field field)
{
    for (const OptionGroup group : { OptionGroup::Radiacion, OptionGroup::humedad })
        for (const Field box : optionBoxes(group))
            if (box == field)
                return group;
    return std::nullopt;
}

} // namespace kalvora::model
