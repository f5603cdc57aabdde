// lunarys-cli --json as a whole process: start, reading, texts, output, exit;
// and the same beside a bare Qt Core program, started in turn in one run, so
// that the ratio of the two holds whatever else the machine is doing (target:
// 1.1 at most).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

const char* const CliJsonReading[] = {LUNARYS_CLI_PATH, "--name", "Mary Ann", "--date", "1990-07-04", "--time", "06:30",
                                      "--zone", "34", "--lon", "72:50E", "--lat", "18:57N", "--json", nullptr};
const char* const QtCoreFloor[] = {LUNARYS_QT_CORE_FLOOR_PATH, nullptr};

// Starts the program with its output to /dev/null and waits for it: whether
// it ran and ended well.
bool Run(const char* const* argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char* const*>(argv), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_CliJsonProcess(benchmark::State& state)
{
    for (auto _ : state)
        if (!Run(CliJsonReading)) {
            state.SkipWithError("lunarys-cli failed");
            break;
        }
}
BENCHMARK(BM_CliJsonProcess)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One iteration starts each program once; the time shown is the pair's. The
// counters give each program's mean and the ratio lunarys-cli / floor.
void BM_CliJsonVersusQtCoreFloor(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration cli{}, floor{};
    for (auto _ : state) {
        const auto start = Clock::now();
        const bool floorRan = Run(QtCoreFloor);
        const auto middle = Clock::now();
        const bool cliRan = Run(CliJsonReading);
        const auto end = Clock::now();
        if (!floorRan || !cliRan) {
            state.SkipWithError("a program failed");
            break;
        }
        floor += middle - start;
        cli += end - middle;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["cli_ms"] = std::chrono::duration<double, std::milli>(cli).count() / runs;
    state.counters["floor_ms"] = std::chrono::duration<double, std::milli>(floor).count() / runs;
    state.counters["ratio"] = floor.count() > 0 ? static_cast<double>(cli.count()) / static_cast<double>(floor.count()) : 0;
}
BENCHMARK(BM_CliJsonVersusQtCoreFloor)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
