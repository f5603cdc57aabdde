// Batches: the whole pipeline of lunarys-cli --batch (reading the CSV file,
// the readings with their ranges, the JSON lines or CSV rows, writing them)
// in rows a second, and the output formatting alone, with and without texts.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "cli/batch_run.h"
#include "engine/reading.h"
#include "engine/texts.h"
#include "presentation/json_line_writer.h"
#include "presentation/reading_csv.h"

namespace {

using namespace lunarys;

constexpr int kRows = 20000;

// Random births of 1901-2050 between the polar circles, as a batch file.
std::string BatchFile(int rows)
{
    const char* names[] = {"Mary Ann", "Jose", "Zoe Smith", "Tane", "Ana Lucia", "Li Wei"};
    std::mt19937 random(7);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string csv = "name,date,time,lon,lat,zone,dst\n";
    char line[160];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line, "%s,%04d-%02d-%02d,%02d:%02d,%d:%02d%c,%d:%02d%c,%d,%s\n", names[pick(6)],
                      1901 + pick(150), 1 + pick(12), 1 + pick(28), pick(24), pick(60), pick(180), pick(60),
                      pick(2) ? 'E' : 'W', pick(66), pick(60), pick(2) ? 'N' : 'S', pick(71), pick(2) ? "yes" : "no");
        csv += line;
    }
    return csv;
}

struct TempBatchFile {
    std::string path;
    TempBatchFile()
    {
        char name[] = "/tmp/lunarys-bench-XXXXXX";
        const int fd = mkstemp(name);
        path = name;
        const std::string csv = BatchFile(kRows);
        if (write(fd, csv.data(), csv.size()) != static_cast<ssize_t>(csv.size()))
            path.clear();
        close(fd);
    }
    ~TempBatchFile() { unlink(path.c_str()); }
};

// Standard output and error go to /dev/null while it lives.
struct Silenced {
    int out = dup(STDOUT_FILENO);
    int err = dup(STDERR_FILENO);
    Silenced()
    {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        close(null);
    }
    ~Silenced()
    {
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        close(out);
        close(err);
    }
};

void RunWholeBatch(benchmark::State& state, bool csv)
{
    const TempBatchFile file;
    cli::CliRequest request;
    request.action = cli::CliRequest::Action::Batch;
    request.batchFile = QString::fromStdString(file.path);
    request.output.format = csv ? cli::OutputFormat::Csv : cli::OutputFormat::Json;
    for (auto _ : state) {
        const Silenced silenced;
        benchmark::DoNotOptimize(cli::RunBatch(request));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BatchToJsonLines(benchmark::State& state) { RunWholeBatch(state, false); }
BENCHMARK(BM_BatchToJsonLines)->Unit(benchmark::kMillisecond);

void BM_BatchToCsv(benchmark::State& state) { RunWholeBatch(state, true); }
BENCHMARK(BM_BatchToCsv)->Unit(benchmark::kMillisecond);

std::vector<engine::Reading> SomeReadings()
{
    std::vector<engine::Reading> readings;
    std::mt19937 random(11);
    engine::ChartState chart;
    for (int i = 0; i < 1000; ++i) {
        engine::BirthInput in;
        in.Name = QStringLiteral("MARY ANN");
        in.Year = 1901 + static_cast<int>(random() % 150);
        in.MonthIndex = static_cast<int>(random() % 12);
        in.DayIndex = static_cast<int>(random() % 28);
        in.Hour = static_cast<int>(random() % 24);
        in.ZoneIndex = static_cast<int>(random() % 71);
        in.LongitudeDegrees = QString::number(random() % 180);
        in.LongitudeMinutes = QStringLiteral("0");
        in.LatitudeDegrees = QString::number(random() % 66);
        in.LatitudeMinutes = QStringLiteral("0");
        readings.push_back(std::get<engine::Reading>(engine::RunReading(in, chart)));
    }
    return readings;
}

// The readings' texts, for the rows written with texts (argument 1).
std::vector<engine::ReadingTexts> TextsOf(const std::vector<engine::Reading>& readings)
{
    std::vector<engine::ReadingTexts> texts;
    for (const engine::Reading& reading : readings)
        texts.push_back(engine::LoadReadingTexts(reading));
    return texts;
}

using AppendRow = void (*)(std::string&, const engine::Reading&, const engine::ReadingTexts*, int);

void WriteRows(benchmark::State& state, AppendRow append)
{
    const std::vector<engine::Reading> readings = SomeReadings();
    const bool withTexts = state.range(0) != 0;
    const std::vector<engine::ReadingTexts> texts = withTexts ? TextsOf(readings) : std::vector<engine::ReadingTexts>();
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        out.clear();
        const std::size_t n = i++ % readings.size();
        append(out, readings[n], withTexts ? &texts[n] : nullptr, 12345);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_JsonLine(benchmark::State& state) { WriteRows(state, presentation::AppendReadingLine); }
BENCHMARK(BM_JsonLine)->ArgName("texts")->Arg(0)->Arg(1);

void BM_CsvRow(benchmark::State& state) { WriteRows(state, presentation::AppendCsvReading); }
BENCHMARK(BM_CsvRow)->ArgName("texts")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
