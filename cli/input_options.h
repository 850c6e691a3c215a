#pragma once
// The inputs of one measurement point as the command line and the batch columns name them, and
// their reading into the input set the desktop form would hold.

#include "model/input_keys.h"
#include "model/input_parameters.h"

#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

/// A numeric input: its name (option without dashes, batch column), the field it fills, its unit
/// and what it is, for the help text.
struct NumericInput
{
    const char *name;
    model::Field field;
    const char *unit;
    const char *meaning;
    bool hasDefault; ///< false where giving the option selects it (tr, tw, pa)
};

std::span<const NumericInput> numericInputs();

using model::kMethodKeys;
using model::kPostureKeys;
using model::kSolarKeys;
using model::methodKey;

using MethodFlags = std::array<bool, model::kMethodCount>;

/// One point as given, before it is read: a missing entry takes the form's start value. The texts
/// are owned where the command line's options fill them (PointOptions) and are views of a batch
/// line's cells, which outlive the reading of their row (PointInputs).
template <class Text> struct PointTexts
{
    std::array<std::optional<Text>, model::kFieldCount> numbers; ///< index = Field
    std::optional<Text> solar, posture, methods;
};
using PointOptions = PointTexts<std::string>;
using PointInputs = PointTexts<std::string_view>;

/// The options' texts as the reading takes them.
PointInputs Viewed(const PointOptions &options);

/// A value that cannot be read; the text names the option or column.
class InputError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// How names appear in messages and how a method list is separated: "--" and "," on the
/// command line, no prefix and ';' or '|' in a batch cell.
struct Spelling
{
    std::string_view prefix;
    std::string_view methodSeparators;
};
inline constexpr Spelling kOptionSpelling { "--", "," };
inline constexpr Spelling kColumnSpelling { "", ";|" };

/// "all" or a list of method names; throws InputError naming the methods option.
MethodFlags ParseMethods(std::string_view text, Spelling spelling);

/// The input set of the point: texts as given, tr/tw/pa selecting their option, methods
/// switched on (which decides the enabled inputs). Throws InputError for a value that cannot be
/// read or for more than one humidity input.
model::InputParameters BuildInput(const PointInputs &point, Spelling spelling);
/// The same into input, whatever it held before: a batch reads row after row into one input set.
void BuildInput(const PointInputs &point, Spelling spelling, model::InputParameters &input);

/// For inputs refused by the loading rules: a note for each input of a broken rule (the rule's
/// own and the dry air temperature) that the point did not give, so that the user learns which
/// default took part and which option sets it ("tg was not given and defaults to 20; give --tg").
std::vector<std::string> DefaultNotes(
    const PointInputs &point, const model::InputParameters &input, Spelling spelling);

/// Whether the evaluation reads the field: an enabled field, and the globe temperature whenever
/// WBGT is on (it reads the globe even while the mean radiant temperature is the radiation input).
bool InputUsed(const model::InputParameters &input, model::Field field);

} // namespace kalvora::cli
