#pragma once
// What the reader and the writer of survey files share (not part of the model's interface): the
// keys of a point's option choices and the rule for the measurement date.

#include "input_parameters.h"
#include "printable.h"
#include "survey.h"

#include <optional>
#include <string>
#include <string_view>

namespace kalvora::model::detail {

/// A point's option choices, by their key in the file, in the order the file lists them.
struct ChoiceKey
{
    const char *key;
    OptionGroup group;
};
inline constexpr ChoiceKey kChoiceKeys[] = {
    { "radiation", OptionGroup::Radiacion },
    { "humidity", OptionGroup::humedad },
    { "solar", OptionGroup::Radsolar },
    { "posture", OptionGroup::postura },
};

/// Why a measurement date cannot be kept in a file; empty when it can (a date or nothing).
inline std::optional<std::string> measuredProblem(std::string_view measured)
{
    if (measured.empty() || IsIsoDate(measured))
        return std::nullopt;
    return "expected a date written YYYY-MM-DD, or nothing; got " + Quoted(measured);
}

} // namespace kalvora::model::detail
