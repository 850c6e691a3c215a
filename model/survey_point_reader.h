#pragma once
// One point of a survey file read straight from the parse events into its record, without
// building the point's JSON tree first: a survey of many points reads at the speed of the
// parse. Not part of the model's interface.

#include "json_events.h"
#include "survey.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kalvora::model::detail {

class PointReader
{
public:
    /// Starts the point at index, whose object has just opened.
    void begin(std::size_t index);

    /// Takes one event inside the point; returns true when it closed the point's object.
    bool take(const JsonEvent &event);

    /// After the point has closed: what it holds, when problem is empty.
    MeasurementPoint point;
    /// The first thing that could not be trusted, naming its place.
    std::optional<std::string> problem;

private:
    enum class Slot { Name, Notes, Methods, Inputs, Radiation, Humidity, Solar, Posture, Unknown };
    enum class Level { Point, Methods, Inputs };

    void pointValue(const JsonEvent &event);
    void methodValue(const JsonEvent &event);
    void inputValue(const JsonEvent &event);
    void finishInputs();
    void finishPoint();
    /// Keeps the unknown value that begins with event, here or in the inputs.
    void capture(const JsonEvent &event, Json &into, std::string key);
    /// Notes a value of the wrong kind; a container is then passed over.
    void wrongType(const JsonEvent &event, const std::string &where, const char *expected);
    void refuse(const std::string &where, const std::string &what);
    std::string at(const std::string &key) const;
    std::string atInput(const std::string &key) const;

    std::size_t m_index = 0;
    Level m_level = Level::Point;
    Slot m_slot = Slot::Unknown;
    std::string m_key; ///< the point's key being read
    std::string m_inputKey; ///< the key being read in the inputs
    unsigned m_seen = 0; ///< keys met, bit = Slot
    int m_lastSlot = -1; ///< the key met last
    unsigned m_inputsSeen = 0; ///< input texts met, bit = Field
    int m_lastInput = -1; ///< the input met last
    std::size_t m_method = 0; ///< index in the methods array
    std::size_t m_skip = 0; ///< containers being passed over
    JsonTree m_capture;
    Json *m_captureInto = nullptr; ///< the object the captured value joins, under m_captureKey
    std::string m_captureKey;
    Json m_unknownInputs;
};

} // namespace kalvora::model::detail
