#include "survey_point_reader.h"

#include "input_keys.h"
#include "printable.h"
#include "survey_format.h"

#include <array>
#include <span>
#include <string_view>
#include <utility>

namespace kalvora::model::detail {

namespace {

using Kind = JsonEvent::Kind;

/// The keys of a point, index = Slot: four of their own, then the option choices.
constexpr std::string_view kSlotKeys[] = { "name", "notes", "methods", "inputs", kChoiceKeys[0].key,
    kChoiceKeys[1].key, kChoiceKeys[2].key, kChoiceKeys[3].key };
constexpr int kSlotCount = static_cast<int>(std::size(kSlotKeys));
constexpr int kFirstChoice = 4;
static_assert(std::size(kChoiceKeys) == kSlotCount - kFirstChoice);
/// Every key but notes must be given.
constexpr unsigned kRequired = ((1u << kSlotCount) - 1) & ~(1u << 1);

constexpr std::array<std::string_view, kFieldCount> kInputKeys = [] {
    std::array<std::string_view, kFieldCount> keys {};
    for (int f = 0; f < kFieldCount; ++f)
        keys[static_cast<std::size_t>(f)] = fieldKey(static_cast<Field>(f));
    return keys;
}();

/// The index of key among keys, or -1. Files list the keys in the order they are written, so the
/// search starts after the key found last.
int findKey(std::span<const std::string_view> keys, std::string_view key, int last)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::size_t at = (static_cast<std::size_t>(last + 1) + i) % keys.size();
        if (keys[at] == key)
            return static_cast<int>(at);
    }
    return -1;
}

std::string methodList()
{
    std::string list;
    for (const char *key : kMethodKeys)
        list += (list.empty() ? "" : ", ") + std::string(key);
    return list;
}

std::string optionList(OptionGroup group)
{
    std::string list;
    for (int option = 0; option < optionCount(group); ++option)
        list += (option == 0 ? "" : ", ") + std::string(optionKey(group, option));
    return list;
}

OptionGroup choiceGroup(int slot)
{
    return kChoiceKeys[slot - kFirstChoice].group;
}

} // namespace

void PointReader::begin(std::size_t index)
{
    point = MeasurementPoint {};
    problem.reset();
    m_index = index;
    m_level = Level::Point;
    m_slot = Slot::Unknown;
    m_seen = 0;
    m_lastSlot = -1;
    m_inputsSeen = 0;
    m_skip = 0;
    m_captureInto = nullptr;
    m_unknownInputs = Json::object();
}

std::string PointReader::at(const std::string &key) const
{
    return (Json::json_pointer("/points") / m_index / key).to_string();
}

std::string PointReader::atInput(const std::string &key) const
{
    return (Json::json_pointer("/points") / m_index / "inputs" / key).to_string();
}

void PointReader::refuse(const std::string &where, const std::string &what)
{
    if (!problem)
        problem = where + ": " + what;
}

void PointReader::wrongType(const JsonEvent &event, const std::string &where, const char *expected)
{
    refuse(where, std::string("expected ") + expected + ", got " + typeName(event.type()));
    if (event.starts())
        m_skip = 1;
}

void PointReader::capture(const JsonEvent &event, Json &into, std::string key)
{
    m_captureInto = &into;
    m_captureKey = std::move(key);
    if (m_capture.take(event)) {
        into[m_captureKey] = m_capture.release();
        m_captureInto = nullptr;
    }
}

bool PointReader::take(const JsonEvent &event)
{
    if (m_captureInto) {
        if (m_capture.take(event)) {
            (*m_captureInto)[m_captureKey] = m_capture.release();
            m_captureInto = nullptr;
        }
        return false;
    }
    if (m_skip > 0) {
        if (event.starts())
            ++m_skip;
        else if (event.kind == Kind::End)
            --m_skip;
        return false;
    }
    switch (m_level) {
    case Level::Methods:
        if (event.kind == Kind::End)
            m_level = Level::Point;
        else
            methodValue(event);
        return false;
    case Level::Inputs:
        if (event.kind == Kind::End)
            finishInputs();
        else
            inputValue(event);
        return false;
    case Level::Point:
        break;
    }
    if (event.kind == Kind::End) {
        finishPoint();
        return true;
    }
    if (event.kind == Kind::Key) {
        m_key = std::move(*event.text);
        const int slot = findKey(kSlotKeys, m_key, m_lastSlot);
        m_slot = slot < 0 ? Slot::Unknown : static_cast<Slot>(slot);
        if (slot >= 0) {
            m_seen |= 1u << slot;
            m_lastSlot = slot;
        }
        return false;
    }
    pointValue(event);
    return false;
}

void PointReader::pointValue(const JsonEvent &event)
{
    const bool text = event.kind == Kind::Value && event.text;
    switch (m_slot) {
    case Slot::Name:
    case Slot::Notes:
        if (!text)
            return wrongType(event, at(m_key), "a string");
        (m_slot == Slot::Name ? point.name : point.notes) = std::move(*event.text);
        return;
    case Slot::Radiation:
    case Slot::Humidity:
    case Slot::Solar:
    case Slot::Posture: {
        if (!text)
            return wrongType(event, at(m_key), "a string");
        const OptionGroup group = choiceGroup(static_cast<int>(m_slot));
        if (const std::optional<int> option = findOption(group, *event.text))
            point.input.select(group, *option);
        else
            refuse(
                at(m_key), "expected one of " + optionList(group) + ", got " + Quoted(*event.text));
        return;
    }
    case Slot::Methods:
        if (event.kind != Kind::StartArray)
            return wrongType(event, at(m_key), "an array of method names");
        // A repeated key takes the last value, as anywhere in the file.
        for (const Method method : kAllMethods)
            point.input.setMethod(method, false);
        m_method = 0;
        m_level = Level::Methods;
        return;
    case Slot::Inputs:
        if (event.kind != Kind::StartObject)
            return wrongType(event, at(m_key), "an object");
        m_inputsSeen = 0;
        m_lastInput = -1;
        m_level = Level::Inputs;
        return;
    case Slot::Unknown:
        return capture(event, point.unknownKeys, m_key);
    }
}

void PointReader::methodValue(const JsonEvent &event)
{
    const std::size_t index = m_method++;
    const auto where = [&] { return at("methods") + "/" + std::to_string(index); };
    if (event.kind != Kind::Value || !event.text)
        return wrongType(event, where(), "a string");
    if (const std::optional<Method> method = findMethod(*event.text))
        point.input.setMethod(*method, true);
    else
        refuse(where(), "unknown method " + Quoted(*event.text) + "; known: " + methodList());
}

void PointReader::inputValue(const JsonEvent &event)
{
    if (event.kind == Kind::Key) {
        m_inputKey = std::move(*event.text);
        return;
    }
    const int f = findKey(kInputKeys, m_inputKey, m_lastInput);
    if (f < 0)
        return capture(event, m_unknownInputs, m_inputKey);
    if (event.kind != Kind::Value || !event.text)
        return wrongType(event, atInput(m_inputKey), "a string");
    point.input.setText(static_cast<Field>(f), std::move(*event.text));
    m_inputsSeen |= 1u << f;
    m_lastInput = f;
}

void PointReader::finishInputs()
{
    m_level = Level::Point;
    for (int f = 0; f < kFieldCount; ++f)
        if (!(m_inputsSeen & (1u << f)))
            return refuse(atInput(fieldKey(static_cast<Field>(f))), "missing");
}

void PointReader::finishPoint()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        if ((kRequired & (1u << slot)) && !(m_seen & (1u << slot)))
            return refuse(at(std::string(kSlotKeys[slot])), "missing");
    if (!m_unknownInputs.empty())
        point.unknownKeys["inputs"] = std::move(m_unknownInputs);
}

} // namespace kalvora::model::detail
