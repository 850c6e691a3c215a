#pragma once
// A survey: the measurement points of one assessment of a workplace (positions, heights, tasks,
// times of day), with the title, site, assessor and date that identify it.

#include "input_parameters.h"

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::model {

struct MeasurementPoint
{
    std::string name;
    std::string notes;
    /// The input form's content for this point: the ten texts exactly as typed ("0,7" stays
    /// "0,7"), the radiation, humidity, solar and posture choices and the six method flags. The
    /// form takes it by copying it and gives its own by assignment; nothing is lost either way.
    InputParameters input;
    /// Keys of the file that this program does not know, with their values, in file order, so
    /// that saving writes them back: the point's own, and those of its inputs under "inputs".
    nlohmann::ordered_json unknownKeys = nlohmann::ordered_json::object();

    bool operator==(const MeasurementPoint &) const = default;
};

struct Survey
{
    std::string title;
    std::string site;
    std::string assessor;
    std::string measured; ///< the measurement date, YYYY-MM-DD, or empty
    std::string notes;
    std::vector<MeasurementPoint> points; ///< in the order the user keeps them
    /// Top-level keys of the file that this program does not know, kept to be written back.
    nlohmann::ordered_json unknownKeys = nlohmann::ordered_json::object();

    bool operator==(const Survey &) const = default;
};

/// Whether text is a calendar date written YYYY-MM-DD (ISO 8601, extended form), such as
/// 2026-07-14; 2026-02-30 is not.
bool IsIsoDate(std::string_view text);

} // namespace kalvora::model
