// Birth-time sensitivity: the whole day split into its ranges, and the one
// range that holds the birth minute (what every reading carries).
#include <benchmark/benchmark.h>

#include "engine/birth_time_ranges.h"
#include "engine/reading.h"
#include "support/worked_example.h"

namespace {

using namespace lunarys::engine;

ChartState WorkedExampleChart(const char* latitudeDegrees = "18")
{
    BirthInput input = lunarys::testing::MaryAnn();
    input.LatitudeDegrees = QString::fromLatin1(latitudeDegrees);
    ChartState chart;
    RunReading(input, chart);
    return chart;
}

void BM_RangesOfDay(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart();
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto ranges = RangesOfDay(chart, clock);
        benchmark::DoNotOptimize(ranges.data());
    }
}
BENCHMARK(BM_RangesOfDay)->Unit(benchmark::kMicrosecond);

void BM_RangeHolding(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart();
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto range = RangeHolding(chart, clock);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(BM_RangeHolding)->Unit(benchmark::kMicrosecond);

// Beyond the polar circle the ascendant is taken minute by minute.
void BM_RangesOfDayAt70North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("70");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto ranges = RangesOfDay(chart, clock);
        benchmark::DoNotOptimize(ranges.data());
    }
}
BENCHMARK(BM_RangesOfDayAt70North)->Unit(benchmark::kMicrosecond);

void BM_RangeHoldingAt70North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("70");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto range = RangeHolding(chart, clock);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(BM_RangeHoldingAt70North)->Unit(benchmark::kMicrosecond);

// The farthest north the ranges are meant to stay fast.
void BM_RangesOfDayAt80North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("80");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto ranges = RangesOfDay(chart, clock);
        benchmark::DoNotOptimize(ranges.data());
    }
}
BENCHMARK(BM_RangesOfDayAt80North)->Unit(benchmark::kMicrosecond);

void BM_RangeHoldingAt80North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("80");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto range = RangeHolding(chart, clock);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(BM_RangeHoldingAt80North)->Unit(benchmark::kMicrosecond);

// Near the pole, where the ascendant creeps most of the day.
void BM_RangesOfDayAt89North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("89");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto ranges = RangesOfDay(chart, clock);
        benchmark::DoNotOptimize(ranges.data());
    }
}
BENCHMARK(BM_RangesOfDayAt89North)->Unit(benchmark::kMicrosecond);

void BM_RangeHoldingAt89North(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChart("89");
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto range = RangeHolding(chart, clock);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(BM_RangeHoldingAt89North)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
