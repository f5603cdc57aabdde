// The atlas and the clock history: the first place query (which loads the
// atlas), the atlas built from places already read and the memory it keeps
// (target: 40 MB at most), a query after the first (target: 5 ms at most, the
// GUI thread runs one per keystroke) and the offset look-up of a birth
// (target: 20 µs).
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <QDate>
#include <QString>
#include <QTime>

#include "places/atlas.h"
#include "places/clock_history.h"
#include "places/geonames_source.h"

namespace {

using lunarys::places::Atlas;

void BM_FirstQuery(benchmark::State& state)
{
    for (auto _ : state) {
        const std::shared_ptr<const Atlas> atlas = Atlas::Load(lunarys::places::ReadGeoNamesPlaces());
        auto found = atlas->Find(u"Mumbai", 10);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FirstQuery)->Unit(benchmark::kMillisecond)->Iterations(5);

// The index alone: names of every language, codes and zone cities read and
// indexed for places already read. The counter index_MB is the heap the atlas
// keeps (mallinfo2's bytes in use, after the atlas less before the sources).
void BM_BuildIndex(benchmark::State& state)
{
    const std::vector<lunarys::places::AtlasRecord> records = lunarys::places::ReadGeoNamesPlaces();
    double kept = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        std::shared_ptr<const Atlas> atlas = Atlas::Load(records);
        state.PauseTiming();
        kept = static_cast<double>(mallinfo2().uordblks - before);
        atlas.reset();
        state.ResumeTiming();
    }
    state.counters["index_MB"] = kept / (1024.0 * 1024.0);
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(5);

// Queries as they are typed, from a broad one letter to a narrowed name, and
// by other names, codes and a country alone.
const char* const Queries[] = {"S",       "Sp",         "Springfield", "Springfield, Mass", "Sao Paulo", "Paris, Texas",
                               "Bombay",  "\u041c\u043e", "Austin, TX",  "Washington",        "India",     "Sa, US"};

void BM_QueryAfterFirst(benchmark::State& state)
{
    static const std::shared_ptr<const Atlas> atlas = Atlas::Load(lunarys::places::ReadGeoNamesPlaces());
    const QString query = QString::fromUtf8(Queries[state.range(0)]);
    state.SetLabel(Queries[state.range(0)]);
    for (auto _ : state) {
        auto found = atlas->Find(query, 10);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_QueryAfterFirst)->DenseRange(0, std::size(Queries) - 1)->Unit(benchmark::kMicrosecond);

struct Birth {
    const char* label;
    QByteArray zone;
    QDate date;
    QTime time;
};

const Birth Births[] = {
    {"Kolkata 1990", "Asia/Kolkata", {1990, 7, 4}, {6, 30}},
    {"London 2021, skipped", "Europe/London", {2021, 3, 28}, {1, 30}},
    {"Dublin 2020 summer", "Europe/Dublin", {2020, 7, 15}, {12, 0}},
    {"London 2045, by rule", "Europe/London", {2045, 7, 1}, {12, 0}},
    {"Kiev 1990, old name", "Europe/Kiev", {1990, 1, 10}, {12, 0}},
};

void BM_ClockAt(benchmark::State& state)
{
    const Birth& birth = Births[state.range(0)];
    state.SetLabel(birth.label);
    for (auto _ : state) {
        auto clock = lunarys::places::ClockAt(birth.zone, birth.date, birth.time);
        benchmark::DoNotOptimize(clock);
    }
}
BENCHMARK(BM_ClockAt)->DenseRange(0, std::size(Births) - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
