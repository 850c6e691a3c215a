#pragma once
// The result keys of evaluate and batch (the entries of the result catalogue: the record's
// fields, the six ratings, pmvOutOfRange), the choice of them that --columns makes, and their
// cells in a CSV line.

#include "point_evaluation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::cli {

/// A key chosen for output: its entry in the result catalogue.
using ResultKey = const model::ResultEntry *;

/// Every result key in the catalogue's order: the record's fields, the ratings, pmvOutOfRange.
std::span<const ResultKey> AllResultKeys();

/// The keys a --columns list names, in its order, a repeated key once; every key without a list.
/// Throws InputError naming an unknown key.
std::vector<ResultKey> SelectResultKeys(const std::optional<std::string> &list);

/// How numbers are written: the shortest text that reads back to the same double, or a fixed
/// number of decimals.
inline constexpr int kShortest = -1;

/// Appends ",key" for each key.
void AppendResultHeader(std::span<const ResultKey> keys, std::string &line);

/// Appends one cell per key, each after its comma; empty where a value does not belong to the
/// outcome (no outcome: every cell empty).
void AppendResultCells(
    const PointOutcome *outcome, std::span<const ResultKey> keys, int precision, std::string &line);

/// Whether the key's value belongs to the outcome, and its value as a number (a rating as its
/// level, pmvOutOfRange as 0 or 1); empty when it does not belong or the record holds no time.
std::optional<double> ResultValue(const ResultKey &key, const PointOutcome &outcome);

} // namespace kalvora::cli
