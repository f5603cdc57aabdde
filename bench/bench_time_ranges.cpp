// Birth-time sensitivity: the whole day split into its ranges, and the one
// range that holds the birth minute (what every reading carries), for the
// worked example moved to other latitudes north. Beyond the polar circle the
// ascendant can creep for hours, which is where the search has most to do;
// 80 degrees is the farthest north the ranges are meant to stay fast.
#include <benchmark/benchmark.h>

#include "engine/birth_time_ranges.h"
#include "engine/reading.h"
#include "support/worked_example.h"

namespace {

using namespace lunarys::engine;

ChartState WorkedExampleChartAt(std::int64_t latitudeDegrees)
{
    BirthInput input = lunarys::testing::MaryAnn();
    input.LatitudeDegrees = QString::number(latitudeDegrees);
    ChartState chart;
    RunReading(input, chart);
    return chart;
}

void BM_RangesOfDay(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChartAt(state.range(0));
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto ranges = RangesOfDay(chart, clock);
        benchmark::DoNotOptimize(ranges.data());
    }
}
BENCHMARK(BM_RangesOfDay)->ArgName("latitude")->Arg(18)->Arg(70)->Arg(80)->Arg(89)->Unit(benchmark::kMicrosecond);

void BM_RangeHolding(benchmark::State& state)
{
    const ChartState chart = WorkedExampleChartAt(state.range(0));
    const DayClock clock = FixedOffsetClock(chart);
    for (auto _ : state) {
        auto range = RangeHolding(chart, clock);
        benchmark::DoNotOptimize(range);
    }
}
BENCHMARK(BM_RangeHolding)->ArgName("latitude")->Arg(18)->Arg(70)->Arg(80)->Arg(89)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
