#pragma once
// The sweep command's outputs: the sixteen shown rows as JSON, CSV or a table for a person.

#include "model/language.h"
#include "model/sweep.h"
#include "result_columns.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace kalvora::cli {

/// The keys to show (a --columns list; every key of the chosen methods without one) and the
/// decimals of the numbers (kShortest: round-trip in JSON and CSV, two in the table).
struct SweepOutput
{
    std::optional<std::string> columns;
    int precision = kShortest;
};

/// Throws InputError naming a key of the list that is no sweep key.
void CheckSweepColumns(const std::optional<std::string> &list);

nlohmann::ordered_json SweepJson(const model::Sweep &sweep, const SweepOutput &output = {});
std::string SweepCsv(const model::Sweep &sweep, const SweepOutput &output = {});
std::string SweepText(
    const model::Sweep &sweep, model::Language language, const SweepOutput &output = {});

} // namespace kalvora::cli
