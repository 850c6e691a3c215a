// The batch pipeline over generated rows held in memory, with the default number of threads.

#include "batch_rows.h"
#include "cli/batch.h"
#include "discarding_buffer.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <thread>

namespace {

using kalvora::bench::DiscardingBuffer;

void BatchRows(benchmark::State &state)
{
    std::ostringstream generated;
    kalvora::bench::WriteBatchRows(generated, static_cast<std::size_t>(state.range(0)));
    const std::string input = generated.str();
    kalvora::cli::BatchOptions options;
    options.threads = std::max(1u, std::thread::hardware_concurrency());
    DiscardingBuffer discarded;
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostream out(&discarded);
        std::ostringstream err;
        benchmark::DoNotOptimize(kalvora::cli::RunBatch(in, out, err, options));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(discarded.written());
}
BENCHMARK(BatchRows)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
