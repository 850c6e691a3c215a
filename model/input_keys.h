#pragma once
// The names by which the command line, the batch columns and the survey files call the inputs,
// the option choices and the methods. One table for every front end that writes them as text.

#include "input_parameters.h"
#include "option_boxes.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kalvora::model {

/// Key of each input text, index = Field.
inline constexpr std::array<const char *, kFieldCount> kFieldKeys
    = { "M", "ta", "clo", "va", "tg", "tr", "tnw", "rh", "tw", "pa" };
/// Key of each method, index = method flag.
inline constexpr std::array<const char *, kMethodCount> kMethodKeys
    = { "pmv", "hsi", "wbgt", "swreq", "wci", "ireq" };
/// Radsolar: option 0 outdoors with solar load, option 1 indoors.
inline constexpr std::array<const char *, 2> kSolarKeys = { "outdoor", "indoor" };
/// postura: options 0, 1, 2.
inline constexpr std::array<const char *, 3> kPostureKeys = { "standing", "seated", "crouching" };

constexpr const char *fieldKey(Field field)
{
    return kFieldKeys[static_cast<std::size_t>(field)];
}

constexpr const char *methodKey(Method method)
{
    return kMethodKeys[static_cast<std::size_t>(method)];
}

/// Number of options of a group.
constexpr int optionCount(OptionGroup group)
{
    switch (group) {
    case OptionGroup::Radiacion:
    case OptionGroup::humedad:
        return static_cast<int>(optionBoxes(group).size());
    case OptionGroup::Radsolar:
        return static_cast<int>(kSolarKeys.size());
    case OptionGroup::postura:
        return static_cast<int>(kPostureKeys.size());
    }
    return 0;
}

/// Key of an option: the key of the box it names for the radiation and humidity groups (tg, tr;
/// rh, tw, pa), the words above for the others.
constexpr const char *optionKey(OptionGroup group, int option)
{
    const auto at = static_cast<std::size_t>(option);
    switch (group) {
    case OptionGroup::Radiacion:
    case OptionGroup::humedad:
        return fieldKey(optionBoxes(group)[at]);
    case OptionGroup::Radsolar:
        return kSolarKeys[at];
    case OptionGroup::postura:
        return kPostureKeys[at];
    }
    return "";
}

/// The option of a group a key names; empty for a key the group does not have.
constexpr std::optional<int> findOption(OptionGroup group, std::string_view key)
{
    for (int option = 0; option < optionCount(group); ++option)
        if (key == optionKey(group, option))
            return option;
    return std::nullopt;
}

/// The method a key names; empty for an unknown key.
constexpr std::optional<Method> findMethod(std::string_view key)
{
    for (const Method method : kAllMethods)
        if (key == methodKey(method))
            return method;
    return std::nullopt;
}

} // namespace kalvora::model
