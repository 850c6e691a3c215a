// A survey of generated points read from its file's text and evaluated, all six methods, to CSV,
// with the default number of threads: what kalvora-cli survey does between reading the file and
// writing the output.

#include "batch_rows.h"
#include "cli/import_command.h"
#include "cli/survey_command.h"
#include "discarding_buffer.h"
#include "model/survey_file.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <thread>

namespace {

/// The text of a survey file holding points generated rows.
std::string surveyText(std::size_t points)
{
    std::stringstream rows;
    kalvora::bench::WriteBatchRows(rows, points);
    kalvora::model::Survey survey;
    std::ostringstream notices;
    kalvora::cli::ImportPoints(rows, notices, kalvora::model::Language::English, survey);
    std::ostringstream text;
    kalvora::model::WriteSurvey(survey, text);
    return text.str();
}

void SurveyPoints(benchmark::State &state)
{
    const std::string text = surveyText(static_cast<std::size_t>(state.range(0)));
    kalvora::cli::SurveyOutput options;
    options.threads = std::max(1u, std::thread::hardware_concurrency());
    kalvora::bench::DiscardingBuffer discarded;
    for (auto _ : state) {
        std::ostream out(&discarded);
        const kalvora::model::SurveyReading reading = kalvora::model::ReadSurvey(text);
        benchmark::DoNotOptimize(kalvora::cli::WriteSurveyResults(reading, out, options));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(SurveyPoints)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

/// Reading alone, to tell the file's share from the evaluation's.
void SurveyRead(benchmark::State &state)
{
    const std::string text = surveyText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(kalvora::model::ReadSurvey(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SurveyRead)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
