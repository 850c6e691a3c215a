#include "input_keys.h"
#include "replacing_file.h"
#include "survey_file.h"
#include "survey_format.h"

#include <new>

namespace kalvora::model {

namespace {

using Json = nlohmann::ordered_json;
using Pointer = Json::json_pointer;

/// What cannot be written, with its place; thrown and caught inside the writer only.
struct Unwritable
{
    std::string message;
};

/// A value as JSON text on one line.
std::string oneLine(const Json &value, const Pointer &where)
{
    try {
        return value.dump();
    } catch (const Json::type_error &) {
        throw Unwritable { where.to_string() + ": not UTF-8 text" };
    }
}

/// The members of an object, one per line at indent; a value on one line, however deep.
void appendMembers(
    const Json &object, const Pointer &where, std::string_view indent, std::string &out)
{
    bool first = true;
    for (const auto &[key, value] : object.items()) {
        out += first ? "\n" : ",\n";
        first = false;
        out += indent;
        out += oneLine(key, where / key);
        out += ": ";
        out += oneLine(value, where / key);
    }
}

/// Adds an unknown key after the known ones; it never replaces one.
void addUnknown(Json &object, const std::string &key, const Json &value)
{
    if (!object.contains(key))
        object[key] = value;
}

Json pointObject(const MeasurementPoint &point)
{
    Json object = Json::object();
    object["name"] = point.name;
    object["notes"] = point.notes;
    Json methods = Json::array();
    for (const Method method : kAllMethods)
        if (point.input.method(method))
            methods.push_back(methodKey(method));
    object["methods"] = std::move(methods);
    Json inputs = Json::object();
    for (int f = 0; f < kFieldCount; ++f)
        inputs[fieldKey(static_cast<Field>(f))] = point.input.text(static_cast<Field>(f));
    const auto unknownInputs = point.unknownKeys.find("inputs");
    if (unknownInputs != point.unknownKeys.end() && unknownInputs->is_object())
        for (const auto &[key, value] : unknownInputs->items())
            addUnknown(inputs, key, value);
    object["inputs"] = std::move(inputs);
    for (const detail::ChoiceKey &choice : detail::kChoiceKeys)
        object[choice.key] = optionKey(choice.group, point.input.selected(choice.group));
    for (const auto &[key, value] : point.unknownKeys.items())
        addUnknown(object, key, value);
    return object;
}

Json headObject(const Survey &survey)
{
    Json head = Json::object();
    head["format"] = kSurveyFormat;
    head["version"] = kSurveyVersion;
    head["title"] = survey.title;
    head["site"] = survey.site;
    head["assessor"] = survey.assessor;
    head["measured"] = survey.measured;
    head["notes"] = survey.notes;
    for (const auto &[key, value] : survey.unknownKeys.items())
        if (key != "points")
            addUnknown(head, key, value);
    return head;
}

} // namespace

std::optional<std::string> WriteSurvey(const Survey &survey, std::ostream &out)
{
    // Written in pieces of about this size, so that a survey of any length takes little memory.
    constexpr std::size_t kPiece = 1 << 16;
    if (const std::optional<std::string> problem = detail::measuredProblem(survey.measured))
        return "/measured: " + *problem;
    try {
        std::string text = "{";
        appendMembers(headObject(survey), Pointer(), "  ", text);
        text += ",\n  \"points\": [";
        for (std::size_t i = 0; i < survey.points.size(); ++i) {
            text += i == 0 ? "\n    {" : ",\n    {";
            appendMembers(pointObject(survey.points[i]), Pointer("/points") / i, "      ", text);
            text += "\n    }";
            if (text.size() >= kPiece) {
                out.write(text.data(), static_cast<std::streamsize>(text.size()));
                text.clear();
            }
        }
        text += survey.points.empty() ? "]\n}\n" : "\n  ]\n}\n";
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    } catch (const Unwritable &unwritable) {
        return unwritable.message;
    } catch (const std::bad_alloc &) {
        return "not enough memory to write the survey";
    }
    out.flush();
    if (!out)
        return "cannot write: " + SystemReason();
    return std::nullopt;
}

std::optional<std::string> SaveSurveyFile(const Survey &survey, const std::string &path)
{
    try {
        ReplacingFile file(path);
        if (std::optional<std::string> problem = WriteSurvey(survey, file.stream()))
            return problem;
        file.commit();
    } catch (const FileError &error) {
        return error.what();
    }
    return std::nullopt;
}

} // namespace kalvora::model
