#pragma once
// The sweep command's outputs: the sixteen shown rows as JSON, CSV or a table for a person.

#include "model/language.h"
#include "model/sweep.h"

#include <nlohmann/json.hpp>
#include <string>

namespace kalvora::cli {

nlohmann::ordered_json SweepJson(const model::Sweep &sweep);
std::string SweepCsv(const model::Sweep &sweep);
std::string SweepText(const model::Sweep &sweep, model::Language language);

} // namespace kalvora::cli
