#include "input_keys.h"
#include "printable.h"
#include "replacing_file.h"
#include "survey_file.h"
#include "survey_format.h"

#include <fstream>
#include <new>
#include <sys/stat.h>
#include <utility>

namespace kalvora::model {

namespace {

using Json = nlohmann::ordered_json;
using Pointer = Json::json_pointer;

/// What cannot be trusted, with its place; thrown and caught inside the reader only.
struct Untrusted
{
    std::string message;
};

[[noreturn]] void refuse(const Pointer &where, const std::string &what)
{
    throw Untrusted { where.to_string() + ": " + what };
}

const char *typeName(const Json &value)
{
    switch (value.type()) {
    case Json::value_t::null:
        return "null";
    case Json::value_t::object:
        return "an object";
    case Json::value_t::array:
        return "an array";
    case Json::value_t::string:
        return "a string";
    case Json::value_t::boolean:
        return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return "a number";
    case Json::value_t::binary:
    case Json::value_t::discarded:
        break;
    }
    return "something else";
}

/// A value quoted in a message as JSON writes it, control characters escaped, cut when long.
std::string shown(const Json &value)
{
    constexpr std::size_t kLongest = 60;
    std::string text = value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > kLongest) {
        std::size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 sequence
        text = text.substr(0, cut) + "...";
    }
    return Printable(text);
}

/// The members of one object of the file, each known key taken once; what is left are the keys
/// this program does not know.
class Members
{
public:
    /// where: the object's place; object must be an object.
    Members(Json &object, Pointer where)
        : m_object(object)
        , m_where(std::move(where))
    {
    }

    const Pointer &where() const { return m_where; }

    /// The member named key, or nullptr when it is absent.
    Json *find(const char *key)
    {
        m_known.push_back(key);
        const auto found = m_object.find(key);
        return found == m_object.end() ? nullptr : &*found;
    }

    Json &required(const char *key)
    {
        Json *value = find(key);
        if (!value)
            refuse(m_where / key, "missing");
        return *value;
    }

    std::string text(const char *key) { return textOf(required(key), key); }

    /// A text that may be left out: empty then.
    std::string optionalText(const char *key)
    {
        Json *value = find(key);
        return value ? textOf(*value, key) : std::string();
    }

    /// The members whose keys were not taken, in file order.
    Json unknown()
    {
        Json rest = Json::object();
        for (auto &[key, value] : m_object.items())
            if (std::find(m_known.begin(), m_known.end(), key) == m_known.end())
                rest[key] = std::move(value);
        return rest;
    }

private:
    std::string textOf(Json &value, const char *key)
    {
        if (!value.is_string())
            refuse(m_where / key, std::string("expected a string, got ") + typeName(value));
        return std::move(value.get_ref<std::string &>());
    }

    Json &m_object;
    Pointer m_where;
    std::vector<std::string_view> m_known;
};

void requireObject(const Json &value, const Pointer &where)
{
    if (!value.is_object())
        refuse(where, std::string("expected an object, got ") + typeName(value));
}

std::string methodList()
{
    std::string list;
    for (const char *key : kMethodKeys)
        list += (list.empty() ? "" : ", ") + std::string(key);
    return list;
}

void readMethods(const Json &list, const Pointer &where, InputParameters &input)
{
    if (!list.is_array())
        refuse(where, std::string("expected an array of method names, got ") + typeName(list));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Json &name = list[i];
        if (!name.is_string())
            refuse(where / i, std::string("expected a string, got ") + typeName(name));
        const std::optional<Method> method = findMethod(name.get_ref<const std::string &>());
        if (!method)
            refuse(where / i,
                "unknown method " + Quoted(name.get_ref<const std::string &>())
                    + "; known: " + methodList());
        input.setMethod(*method, true);
    }
}

int readChoice(Members &members, const detail::ChoiceKey &choice)
{
    const std::string key = members.text(choice.key);
    if (const std::optional<int> option = findOption(choice.group, key))
        return *option;
    std::string allowed;
    for (int option = 0; option < optionCount(choice.group); ++option)
        allowed += (option == 0 ? "" : ", ") + std::string(optionKey(choice.group, option));
    refuse(members.where() / choice.key, "expected one of " + allowed + ", got " + Quoted(key));
}

MeasurementPoint readPoint(Json &object, const Pointer &where)
{
    requireObject(object, where);
    Members members(object, where);
    MeasurementPoint point;
    point.name = members.text("name");
    point.notes = members.optionalText("notes");
    readMethods(members.required("methods"), where / "methods", point.input);
    Json &inputs = members.required("inputs");
    requireObject(inputs, where / "inputs");
    Members texts(inputs, where / "inputs");
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        point.input.setText(field, texts.text(fieldKey(field)));
    }
    for (const detail::ChoiceKey &choice : detail::kChoiceKeys)
        point.input.select(choice.group, readChoice(members, choice));
    point.unknownKeys = members.unknown();
    Json unknownInputs = texts.unknown();
    if (!unknownInputs.empty())
        point.unknownKeys["inputs"] = std::move(unknownInputs);
    return point;
}

/// Takes the points out of the document while it is parsed, one at a time, so that the file's
/// whole tree is never held: memory stays near the size of the points themselves.
class PointCollector
{
public:
    bool operator()(int depth, Json::parse_event_t event, Json &parsed)
    {
        using Event = Json::parse_event_t;
        if (depth == 1) {
            if (event == Event::key)
                m_atPoints = parsed == "points";
            else if (event == Event::array_start && m_atPoints)
                start();
            else if (event == Event::array_end)
                m_inPoints = false;
            return true;
        }
        const bool element
            = event == Event::object_end || event == Event::array_end || event == Event::value;
        if (depth != 2 || !m_inPoints || !element)
            return true;
        take(parsed);
        return false; // read: not kept in the tree
    }

    std::vector<MeasurementPoint> points;
    std::vector<UnreadablePoint> unreadable;

private:
    /// A repeated "points" key replaces the earlier list, as for any repeated key.
    void start()
    {
        m_inPoints = true;
        points.clear();
        unreadable.clear();
        m_next = 0;
    }

    void take(Json &element)
    {
        const std::size_t index = m_next++;
        try {
            points.push_back(readPoint(element, Pointer("/points") / index));
        } catch (const Untrusted &untrusted) {
            unreadable.push_back({ index, untrusted.message });
        }
    }

    bool m_atPoints = false; ///< the top-level key being read is "points"
    bool m_inPoints = false;
    std::size_t m_next = 0;
};

void readVersion(Members &members)
{
    const Pointer where = members.where() / "version";
    const Json *version = members.find("version");
    const std::string reads = "this one reads version " + std::to_string(kSurveyVersion);
    if (!version)
        refuse(where, "missing; " + reads);
    if (!version->is_number_integer())
        refuse(where, std::string("expected a whole number, got ") + typeName(*version));
    const bool newer = version->is_number_unsigned()
        ? version->get<std::uint64_t>() > static_cast<std::uint64_t>(kSurveyVersion)
        : version->get<std::int64_t>() > kSurveyVersion;
    if (newer)
        refuse(where, "written by a newer Kalvora: version " + version->dump() + "; " + reads);
    if (*version != kSurveyVersion)
        refuse(where, "unknown version " + version->dump() + "; " + reads);
}

/// Everything but the points, which the collector took while parsing.
Survey readSurvey(Json &root)
{
    if (!root.is_object())
        throw Untrusted { std::string("not a survey file: expected an object with \"format\": \"")
            + kSurveyFormat + "\", got " + typeName(root) };
    Members members(root, Pointer());
    const Json *format = members.find("format");
    const std::string expected = std::string("\"") + kSurveyFormat + "\"";
    if (!format)
        refuse(Pointer("/format"), "missing; a survey file has \"format\": " + expected);
    if (*format != kSurveyFormat)
        refuse(Pointer("/format"), "expected " + expected + ", got " + shown(*format));
    readVersion(members);
    Survey survey;
    survey.title = members.optionalText("title");
    survey.site = members.optionalText("site");
    survey.assessor = members.optionalText("assessor");
    survey.measured = members.optionalText("measured");
    if (const std::optional<std::string> problem = detail::measuredProblem(survey.measured))
        refuse(Pointer("/measured"), *problem);
    survey.notes = members.optionalText("notes");
    const Json &points = members.required("points");
    if (!points.is_array())
        refuse(Pointer("/points"),
            std::string("expected an array of points, got ") + typeName(points));
    survey.unknownKeys = members.unknown();
    return survey;
}

/// The reason a parse error gives, without the library's prefix.
std::string parseReason(const Json::parse_error &error)
{
    const std::string what = error.what();
    const std::size_t end = what.find("] ");
    return Printable(end == std::string::npos ? what : what.substr(end + 2));
}

} // namespace

SurveyReading ReadSurvey(std::string_view text)
{
    SurveyReading reading;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        reading.error = "the file is empty; a survey file holds a JSON object";
        return reading;
    }
    PointCollector collector;
    try {
        Json root = Json::parse(
            text.begin(), text.end(),
            [&collector](int depth, Json::parse_event_t event, Json &parsed) {
                return collector(depth, event, parsed);
            },
            true, false);
        Survey survey = readSurvey(root);
        survey.points = std::move(collector.points);
        reading.unreadable = std::move(collector.unreadable);
        reading.survey = std::move(survey);
    } catch (const Json::parse_error &error) {
        reading.error = "not a survey file, not JSON: " + parseReason(error);
    } catch (const Untrusted &untrusted) {
        reading.error = untrusted.message;
    } catch (const std::bad_alloc &) {
        reading.error = "too large to read into the memory available";
    }
    return reading;
}

SurveyReading ReadSurveyFile(const std::string &path)
{
    SurveyReading reading;
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0) {
        reading.error = "cannot read " + Quoted(path) + ": " + SystemReason();
        return reading;
    }
    if (S_ISDIR(info.st_mode)) {
        reading.error = "cannot read " + Quoted(path) + ": it is a directory";
        return reading;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reading.error = "cannot read " + Quoted(path) + ": " + SystemReason();
        return reading;
    }
    std::string text;
    try {
        if (S_ISREG(info.st_mode))
            text.reserve(static_cast<std::size_t>(info.st_size));
        std::vector<char> block(1 << 16);
        while (file.read(block.data(), static_cast<std::streamsize>(block.size()))
            || file.gcount() > 0)
            text.append(block.data(), static_cast<std::size_t>(file.gcount()));
    } catch (const std::bad_alloc &) {
        reading.error = "cannot read " + Quoted(path) + ": too large for the memory available";
        return reading;
    }
    if (file.bad()) {
        reading.error = "cannot read " + Quoted(path) + ": " + SystemReason();
        return reading;
    }
    reading = ReadSurvey(text);
    if (!reading.survey)
        reading.error = Quoted(path) + ": " + reading.error;
    return reading;
}

} // namespace kalvora::model
