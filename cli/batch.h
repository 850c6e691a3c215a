#pragma once
// The batch command: a CSV of measurement points in, one CSV line of results per input line out,
// in input order, streamed through a fixed number of chunks so memory does not grow with the file.

#include "model/language.h"
#include "result_columns.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <vector>

namespace kalvora::cli {

struct BatchOptions
{
    model::Language language = model::Language::Spanish;
    unsigned threads = 1; ///< evaluating threads, at least 1
    std::vector<ResultKey> results = SelectResultKeys(std::nullopt);
    int precision = kShortest;
    /// The input's size when err is a terminal that shows the progress line; empty: no line.
    std::optional<std::uintmax_t> progressBytes;
};

/// Exit status: 0 when every line was read, 1 when any line was invalid, 2 (reason on err)
/// when the header cannot be used, the threads cannot be started or the output cannot be written.
int RunBatch(std::istream &in, std::ostream &out, std::ostream &err, const BatchOptions &options);

} // namespace kalvora::cli
