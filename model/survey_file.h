#pragma once
// Survey files (.kalvora): UTF-8 JSON that keeps a survey between sessions. Reading trusts
// nothing it has not checked and says where the trouble is, as a JSON pointer; writing never
// leaves a half-written file in place of a good one. Neither throws: each returns what went wrong.

#include "survey.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::model {

inline constexpr const char *kSurveyFormat = "kalvora-survey";
/// The version this program writes; a file of a higher version is refused.
inline constexpr int kSurveyVersion = 1;
inline constexpr const char *kSurveyExtension = ".kalvora";
inline constexpr const char *kSurveyMediaType = "application/x-kalvora-survey+json";

/// A point of the file that could not be read; the rest of the survey was.
struct UnreadablePoint
{
    std::size_t index; ///< its place among the file's points, from 0
    std::string message; ///< names the place: "/points/3/inputs/ta: expected a string"
};

struct SurveyReading
{
    std::optional<Survey> survey; ///< empty when the file is refused as a whole
    std::string error; ///< why it was refused, naming the place
    std::vector<UnreadablePoint> unreadable; ///< missing from survey->points, which keeps order

    /// Read whole: a program that saves the survey again opens only such a reading, or the
    /// unreadable points would be lost on saving.
    bool complete() const { return survey && unreadable.empty(); }
};

/// Reads the text of a survey file.
SurveyReading ReadSurvey(std::string_view text);

/// Reads the survey file at path; a file that cannot be read is refused with the system's reason.
SurveyReading ReadSurveyFile(const std::string &path);

/// Writes the survey as its file holds it: one key per line, every key of the format, the
/// unknown keys kept. Returns why it cannot (a text that is not UTF-8, a date that is not
/// YYYY-MM-DD, a stream that fails), naming the place: what it would refuse to read again it
/// does not finish writing, and out then holds a part only (SaveSurveyFile discards it).
std::optional<std::string> WriteSurvey(const Survey &survey, std::ostream &out);

/// Saves the survey at path: written beside it under a temporary name, flushed to disk and
/// renamed into place, the permissions of the old file kept. Returns why it failed; the file at
/// path is then as it was.
std::optional<std::string> SaveSurveyFile(const Survey &survey, const std::string &path);

} // namespace kalvora::model
