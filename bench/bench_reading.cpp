// One whole reading's computation: input check, zone, Sun, ascendant, Moon,
// signs, midpoint and house; the texts are not loaded.
#include <benchmark/benchmark.h>

#include "engine/reading.h"
#include "support/worked_example.h"

namespace {

using lunarys::testing::MaryAnn;

void BM_RunReading(benchmark::State& state)
{
    const lunarys::engine::BirthInput input = MaryAnn();
    lunarys::engine::ChartState chart;
    for (auto _ : state) {
        auto outcome = lunarys::engine::RunReading(input, chart);
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(chart.MidpointHouse);
    }
}
BENCHMARK(BM_RunReading);

void BM_ComputeChart(benchmark::State& state)
{
    lunarys::engine::ChartState chart;
    lunarys::engine::RunReading(MaryAnn(), chart);
    for (auto _ : state) {
        lunarys::engine::ComputeChart(chart);
        benchmark::DoNotOptimize(chart.MidpointHouse);
    }
}
BENCHMARK(BM_ComputeChart);

}  // namespace

BENCHMARK_MAIN();
