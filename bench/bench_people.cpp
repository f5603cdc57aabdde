// Kept people in lunarys-cli, as a process: listing 10,000 people (compared
// with a start of the tool that does nothing), and importing 10,000 rows.
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

namespace {

constexpr int kPeople = 10000;

std::string Scratch()
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/lunarys-bench-people-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

// 10,000 births in the --batch columns, each with another name (letters only).
std::string Births()
{
    const std::string path = Scratch() + "/births.csv";
    if (std::filesystem::exists(path))
        return path;
    std::ofstream out(path);
    out << "name,date,time,lon,lat,zone,dst,place,tz\n";
    for (int i = 0; i < kPeople; ++i) {
        std::string name = "Person ";
        for (int n = i; n > 0 || name.size() == 7; n /= 26)
            name += static_cast<char>('a' + n % 26);
        out << name << ",19" << 10 + i % 90 << "-0" << 1 + i % 9 << "-1" << i % 9 << ",0" << i % 10 << ":3" << i % 10
            << "," << i % 180 << ":" << 10 + i % 50 << (i % 2 ? "E" : "W") << "," << i % 90 << ":" << 10 + i % 40
            << (i % 3 ? "N" : "S") << ",";
        if (i % 2)
            out << i % 71 << ",no,,\n";
        else
            out << ",,,Europe/Madrid\n";
    }
    return path;
}

double Seconds(const std::string& command)
{
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status != 0)
        std::fprintf(stderr, "failed (%d): %s\n", status, command.c_str());
    return std::chrono::duration<double>(end - start).count();
}

std::string Cli() { return "'" LUNARYS_CLI_PATH "'"; }

void BM_ImportTenThousandRows(benchmark::State& state)
{
    const std::string births = Births();
    for (auto _ : state) {
        const std::string file = Scratch() + "/import.sqlite";
        std::filesystem::remove(file);
        state.SetIterationTime(Seconds(Cli() + " --people-file '" + file + "' --import '" + births + "' >/dev/null 2>&1"));
    }
}
BENCHMARK(BM_ImportTenThousandRows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

std::string Kept()
{
    const std::string file = Scratch() + "/people.sqlite";
    if (!std::filesystem::exists(file))
        Seconds(Cli() + " --people-file '" + file + "' --import '" + Births() + "' >/dev/null 2>&1");
    return file;
}

// The start of the tool alone, to be taken from the listing's time.
void BM_StartAlone(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(Seconds(Cli() + " --version >/dev/null"));
}
BENCHMARK(BM_StartAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ListTenThousandPeople(benchmark::State& state)
{
    const std::string file = Kept();
    for (auto _ : state)
        state.SetIterationTime(Seconds(Cli() + " --people-file '" + file + "' --people >/dev/null"));
}
BENCHMARK(BM_ListTenThousandPeople)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ListTenThousandPeopleAsCsv(benchmark::State& state)
{
    const std::string file = Kept();
    for (auto _ : state)
        state.SetIterationTime(Seconds(Cli() + " --people-file '" + file + "' --people --format csv >/dev/null"));
}
BENCHMARK(BM_ListTenThousandPeopleAsCsv)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
