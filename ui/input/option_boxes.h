#pragma once
// Which text box belongs to which option of the radiation and humidity groups.

#include "model/input_parameters.h"

#include <optional>
#include <span>

namespace kalvora::ui {

inline constexpr model::Field kRadiationBoxes[] = { model::Field::tglobo, model::Field::TRMedia };
inline constexpr model::Field kHumidityBoxes[]
    = { model::Field::HR, model::Field::tbh, model::Field::pa };

/// The boxes of a group in option order; empty for the groups without boxes.
inline std::span<const model::Field> optionBoxes(model::OptionGroup group)
{
    switch (group) {
    case model::OptionGroup::Radiacion:
        return kRadiationBoxes;
    case model::OptionGroup::humedad:
        return kHumidityBoxes;
    case model::OptionGroup::Radsolar:
    case model::OptionGroup::postura:
        return {};
    }
    return {};
}

/// The group whose option a box belongs to, if any.
inline std::optional<model::OptionGroup> boxGroup(model::Field field)
{
    for (const model::OptionGroup group :
        { model::OptionGroup::Radiacion, model::OptionGroup::humedad })
        for (const model::Field box : optionBoxes(group))
            if (box == field)
                return group;
    return std::nullopt;
}

} // namespace kalvora::ui
