#pragma once
// Points in and results out as CSV, in the command line's own formats: a batch input file read
// into points as `kalvora-cli import` reads it, and the results written with the columns of
// `kalvora-cli survey`. Both run the kalvora-cli installed beside the program, so the desktop
// and the command line write exactly the same file.

#include "model/language.h"
#include "model/survey.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace kalvora::ui {

/// The command line program: beside this program, in the build tree's cli folder beside it, or
/// on the PATH; empty when there is none.
QString commandLineProgram();

/// The points of a batch input CSV file, or why they cannot be read (the command line's words).
std::variant<std::vector<model::MeasurementPoint>, QString> importBatchCsv(
    const QString &path, model::Language language);

/// Writes every point's results to path as CSV; returns why it could not. An existing file at
/// path is replaced only when the whole file was written.
std::optional<QString> exportResultsCsv(
    const model::Survey &survey, const QString &path, model::Language language);

} // namespace kalvora::ui
