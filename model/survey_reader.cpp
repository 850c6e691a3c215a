#include "json_events.h"
#include "printable.h"
#include "replacing_file.h"
#include "survey_file.h"
#include "survey_format.h"
#include "survey_point_reader.h"

#include <fstream>
#include <new>
#include <sys/stat.h>
#include <utility>

namespace kalvora::model {

namespace {

using detail::Json;
using detail::JsonEvent;
using detail::typeName;
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
            refuse(m_where / key, std::string("expected a string, got ") + typeName(value.type()));
        return std::move(value.get_ref<std::string &>());
    }

    Json &m_object;
    Pointer m_where;
    std::vector<std::string_view> m_known;
};

/// The events of the parse, sent on: the points of the points array to the point reader one at a
/// time, everything else to the tree of the document, which keeps an empty points array.
class DocumentReader
{
public:
    // The parser's interface.
    bool null() { return scalar(Json(nullptr)); }
    bool boolean(bool value) { return scalar(Json(value)); }
    bool number_integer(Json::number_integer_t value) { return scalar(Json(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return scalar(Json(value)); }
    bool number_float(Json::number_float_t value, const std::string &)
    {
        return scalar(Json(value));
    }
    bool string(std::string &text) { return take({ JsonEvent::Kind::Value, &text }); }
    bool binary(Json::binary_t &) { return true; } // JSON text holds none
    bool key(std::string &text) { return take({ JsonEvent::Kind::Key, &text }); }
    bool start_object(std::size_t) { return take({ JsonEvent::Kind::StartObject }); }
    bool end_object() { return take({ JsonEvent::Kind::End }); }
    bool start_array(std::size_t) { return take({ JsonEvent::Kind::StartArray }); }
    bool end_array() { return take({ JsonEvent::Kind::End }); }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &error)
    {
        m_error = error.what();
        return false;
    }

    const std::string &error() const { return m_error; }
    Json document() { return m_document.release(); }

    std::vector<MeasurementPoint> points;
    std::vector<UnreadablePoint> unreadable;

private:
    bool scalar(const Json &value) { return take({ JsonEvent::Kind::Value, nullptr, &value }); }

    bool take(const JsonEvent &event)
    {
        using Kind = JsonEvent::Kind;
        if (m_inPoint) {
            if (m_point.take(event)) {
                m_inPoint = false;
                if (m_point.problem)
                    unreadable.push_back({ m_next - 1, std::move(*m_point.problem) });
                else
                    points.push_back(std::move(m_point.point));
            }
        } else if (m_skip > 0) {
            m_skip += event.starts() ? 1 : event.kind == Kind::End ? -1 : 0;
        } else if (m_inPoints) {
            element(event);
        } else if (event.kind == Kind::StartArray && m_atPoints && m_document.depth() == 1) {
            // A repeated "points" key replaces the earlier list, as any repeated key does.
            points.clear();
            unreadable.clear();
            m_next = 0;
            m_inPoints = true;
            m_document.take(event);
        } else {
            m_atPoints
                = event.kind == Kind::Key && m_document.depth() == 1 && *event.text == "points";
            m_document.take(event);
        }
        return true;
    }

    /// An event directly inside the points array.
    void element(const JsonEvent &event)
    {
        if (event.kind == JsonEvent::Kind::End) {
            m_inPoints = false;
            m_document.take(event);
            return;
        }
        const std::size_t index = m_next++;
        if (event.kind == JsonEvent::Kind::StartObject) {
            m_point.begin(index);
            m_inPoint = true;
            return;
        }
        unreadable.push_back({ index,
            (Pointer("/points") / index).to_string() + ": expected an object, got "
                + typeName(event.type()) });
        if (event.starts())
            m_skip = 1;
    }

    detail::JsonTree m_document;
    detail::PointReader m_point;
    std::string m_error;
    bool m_atPoints = false; ///< the last key of the document's object was "points"
    bool m_inPoints = false;
    bool m_inPoint = false;
    std::size_t m_next = 0; ///< index of the next point
    std::size_t m_skip = 0; ///< containers of an element that is not an object, passed over
};

void readVersion(Members &members)
{
    const Pointer where = members.where() / "version";
    const Json *version = members.find("version");
    const std::string reads = "this one reads version " + std::to_string(kSurveyVersion);
    if (!version)
        refuse(where, "missing; " + reads);
    if (!version->is_number_integer())
        refuse(where, std::string("expected a whole number, got ") + typeName(version->type()));
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
            + kSurveyFormat + "\", got " + typeName(root.type()) };
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
            std::string("expected an array of points, got ") + typeName(points.type()));
    survey.unknownKeys = members.unknown();
    return survey;
}

/// The reason a parse error gives, without the library's prefix.
std::string parseReason(const std::string &what)
{
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
    try {
        DocumentReader reader;
        if (!Json::sax_parse(text.begin(), text.end(), &reader)) {
            reading.error = "not a survey file, not JSON: " + parseReason(reader.error());
            return reading;
        }
        Json document = reader.document();
        Survey survey = readSurvey(document);
        survey.points = std::move(reader.points);
        reading.unreadable = std::move(reader.unreadable);
        reading.survey = std::move(survey);
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
        // A regular file straight into place; anything else (a pipe) block by block to its end.
        const std::size_t block = S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) + 1
                                                        : std::size_t { 1 } << 16;
        for (std::size_t got = 0; file; got += static_cast<std::size_t>(file.gcount())) {
            text.resize(got + block);
            file.read(text.data() + got, static_cast<std::streamsize>(block));
            text.resize(got + static_cast<std::size_t>(file.gcount()));
        }
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
