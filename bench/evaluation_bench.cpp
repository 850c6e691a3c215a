// One evaluation and one sweep with all six methods at the input form's start values.

#include "model/evaluation.h"
#include "model/sweep.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kalvora::model;

InputParameters allMethods()
{
    InputParameters input;
    for (int m = 0; m < kMethodCount; ++m)
        input.setMethod(static_cast<Method>(m), true);
    return input;
}

void EvaluateAllMethods(benchmark::State &state)
{
    const InputParameters input = allMethods();
    for (auto _ : state) {
        MethodResults results;
        benchmark::DoNotOptimize(Evaluate(input, results));
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(EvaluateAllMethods);

void SweepAllMethods(benchmark::State &state)
{
    const InputParameters input = allMethods();
    MethodResults results;
    Evaluate(input, results);
    for (auto _ : state)
        benchmark::DoNotOptimize(AirVelocitySweep(input, results));
}
BENCHMARK(SweepAllMethods);

} // namespace

BENCHMARK_MAIN();
