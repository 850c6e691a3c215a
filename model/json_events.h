#pragma once
// The events of a streaming JSON parse, and a JSON value built from them: what the survey reader
// keeps as it is (metadata, keys it does not know) while it reads the points straight into
// their records. Not part of the model's interface.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace kalvora::model::detail {

using Json = nlohmann::ordered_json;

/// One event of the parse. A value is a string (text set) or another scalar (scalar set).
struct JsonEvent
{
    enum class Kind { Value, Key, StartObject, StartArray, End };
    Kind kind;
    std::string *text = nullptr; ///< the string or key, free to be moved from
    const Json *scalar = nullptr; ///< null, true or false, or a number

    /// The type of what this event begins: a value, an object or an array.
    Json::value_t type() const;
    bool starts() const { return kind == Kind::StartObject || kind == Kind::StartArray; }
};

/// "a string", "an object", ... as messages say it.
const char *typeName(Json::value_t type);

/// Builds one JSON value from events, the way the library's own parser builds its tree: a
/// repeated key keeps its first place and takes the last value.
// clang-tidy 14 takes the implicit members of a class holding nlohmann::json values for throwing.
// NOLINTNEXTLINE(bugprone-exception-escape)
class JsonTree
{
public:
    /// Takes one event; returns true when it completed the value.
    bool take(const JsonEvent &event);

    /// Containers open.
    std::size_t depth() const { return m_stack.size(); }

    /// The value built; the tree is empty afterwards.
    Json release();

private:
    Json *place(Json value);

    Json m_root;
    std::vector<Json *> m_stack; ///< the open containers, innermost last
    std::string m_key; ///< where the next value goes in the innermost object
};

} // namespace kalvora::model::detail
