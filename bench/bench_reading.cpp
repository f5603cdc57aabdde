// One whole reading's computation: input check, zone, Sun, ascendant, Moon,
// signs, midpoint and house; the texts are not loaded.
#include <benchmark/benchmark.h>

#include "engine/reading.h"

namespace {

lunarys::engine::BirthInput MaryAnn()
{
    lunarys::engine::BirthInput in;
    in.Name = QStringLiteral("MARY ANN");
    in.MonthIndex = 6;
    in.DayIndex = 3;
    in.Year = 1990;
    in.Hour = 6;
    in.Minute = 30;
    in.ZoneIndex = 34;
    in.LongitudeDegrees = QStringLiteral("72");
    in.LongitudeMinutes = QStringLiteral("50");
    in.LatitudeDegrees = QStringLiteral("18");
    in.LatitudeMinutes = QStringLiteral("57");
    return in;
}

void BM_RunReading(benchmark::State& state)
{
    const lunarys::engine::BirthInput input = MaryAnn();
    lunarys::engine::ChartState chart;
    for (auto _ : state) {
        auto problem = lunarys::engine::RunReading(input, chart);
        benchmark::DoNotOptimize(problem);
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
