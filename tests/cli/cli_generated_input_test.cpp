// lunarys-cli run on generated command lines that mix what goes wrong in
// practice: invalid UTF-8, control characters, long arguments, values out of
// range or malformed, options missing, repeated or unknown. Every run ends
// with exit 0 and output, or with exit 1 or 2, one line on standard error and
// nothing on standard output. The seed is fixed: a failure names the command
// line and happens again on every run.
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

extern char** environ;

namespace {

using Args = std::vector<std::string>;

// Sized for seconds: a run costs milliseconds of processor time, some four
// times as many under the sanitizers, where the runs are the first of the
// same sequence.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kCommandLines = 248;
#else
constexpr int kCommandLines = 1000;
#endif
constexpr int kAtOnce = 4;
static_assert(kCommandLines % kAtOnce == 0);
// The leak check at the end of a sanitized run costs more than the rest of
// it; one run in this many keeps it.
constexpr int kLeakCheckEvery = 10;

const Args kValid = {"--name", "Mary Ann", "--date", "1990-07-04", "--time", "06:30", "--zone", "34",
                     "--lon",  "72:50E",   "--lat",  "18:57N"};

// Values each option must take or refuse, by the rules or on the edges.
const std::map<std::string, Args> kValues = {
    {"--name", {"", "  ", "R2D2", "Mary-Ann", "José Ñúñez", "\xc5\xbf", "a\xcc\x81"}},
    {"--date", {"1900-12-31", "2051-01-01", "2000-02-29", "1901-02-29", "1990-04-31", "1990-13-01", "1990-7-4",
                "19900704", "", "1990-07-04-01", "\xef\xbc\x91" "990-07-04"}},
    {"--time", {"24:00", "23:59:59", "12:60", "0:0", "12", "1:2:3:4", "", "::", "-1:30"}},
    {"--lon", {"180:00E", "179:59w", "72:60E", ":E", "72:", "72:50", "72:50X", "72:50\xc5\xbf", "-72:50E",
               "99999:99999W", ":"}},
    {"--lat", {"90:00N", "89:59s", "18:57\xc5\xbf", "18:57", ":N", "0:0S"}},
    {"--zone", {"0", "70", "71", "-1", "007", "Indian Time, IST, +5.3", "indian time", ""}},
};
const Args kExtras = {"--dst", "--json", "--help", "--version", "--list-zones", "--planet", "stray", "-",
                      "--",    "--dst=1", "--name=Ann", "-h", "--lon", "--zone=3", "--date=2000-01-01"};
const Args kControls = {"\x1b[2J", "\x1b]0;x\a", "\n", "\r", "\t", "\x7f", "\xc2\x85", "\x01"};

class Generator {
public:
    // The worked example with values from the lists, then up to three faults.
    Args Next()
    {
        Args args = kValid;
        Revalue(args);
        for (int faults = Pick(0, 3); faults > 0; --faults)
            Spoil(args);
        return args;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    const std::string& OneOf(const Args& list) { return list[At(list)]; }
    std::size_t At(const Args& list) { return static_cast<std::size_t>(Pick(0, int(list.size()) - 1)); }

    void Revalue(Args& args)
    {
        for (std::size_t i = 0; i + 1 < args.size(); ++i)
            if (const auto values = kValues.find(args[i]); values != kValues.end() && Pick(0, 2) == 0)
                args[i + 1] = OneOf(values->second);
    }

    void Spoil(Args& args)
    {
        if (args.empty())
            args.push_back(OneOf(kExtras));
        std::string& some = args[At(args)];
        const auto somewhere = static_cast<std::size_t>(Pick(0, int(some.size())));
        switch (Pick(0, 7)) {
        case 0: Revalue(args); break;
        case 1: {   // an option missing, or its value
            const auto at = args.begin() + static_cast<long>(At(args));
            args.erase(at, std::min(at + 2, args.end()));
            break;
        }
        case 2: {   // an option given twice
            const auto& [option, values] = *std::next(kValues.begin(), Pick(0, int(kValues.size()) - 1));
            args.insert(args.end(), {option, OneOf(values)});
            break;
        }
        case 3: some.insert(somewhere, OneOf(kControls)); break;
        case 4: some.insert(somewhere, 1, static_cast<char>(Pick(0x80, 0xff))); break;   // no UTF-8
        case 5: {   // long, well within the system's limit of 128 KiB an argument
            const std::size_t length = std::vector<std::size_t>{60, 1000, 120000}[static_cast<std::size_t>(Pick(0, 2))];
            some.append(std::min(length, 120000 - std::min<std::size_t>(some.size(), 120000)),
                        some.empty() ? '9' : some.back());
            break;
        }
        case 6: args.insert(args.begin() + static_cast<long>(At(args)), OneOf(kExtras)); break;
        default: std::swap(some, args[At(args)]); break;
        }
    }

    std::mt19937 random_{11};
};

// A command line as it could be typed again in a shell.
std::string Shown(const Args& args)
{
    std::string shown = "lunarys-cli";
    for (const std::string& arg : args) {
        shown += " $'";
        for (const unsigned char c : arg.substr(0, 200)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += c < 0x20 || c >= 0x7f || c == '\'' || c == '\\' ? escaped : std::string(1, char(c));
        }
        shown += arg.size() > 200 ? "'...(" + std::to_string(arg.size()) + " bytes)" : "'";
    }
    return shown;
}

// A run in progress; its standard output and error go to files in memory.
struct Slot {
    int out = memfd_create("out", MFD_CLOEXEC);
    int err = memfd_create("err", MFD_CLOEXEC);
    pid_t pid = 0;
    Args args;
};

std::string Take(int fd)
{
    std::string text(static_cast<std::size_t>(lseek(fd, 0, SEEK_END)), '\0');
    if (pread(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()) || ftruncate(fd, 0) != 0)
        text = "<unreadable>";
    lseek(fd, 0, SEEK_SET);
    return text;
}

// Processor time of the child processes that have ended so far.
double ChildrenSeconds()
{
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    return double(children.ru_utime.tv_sec + children.ru_stime.tv_sec)
           + double(children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e6;
}

bool Start(Slot& slot, Args args, char** environment)
{
    slot.args = std::move(args);
    std::vector<char*> argv{const_cast<char*>(LUNARYS_CLI_PATH)};
    for (std::string& arg : slot.args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, slot.out, 1);
    posix_spawn_file_actions_adddup2(&actions, slot.err, 2);
    const bool started = posix_spawn(&slot.pid, argv[0], &actions, nullptr, argv.data(), environment) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return started;
}

TEST(CliGeneratedInput, EveryRunEndsWithOutputOrOneLineOfRefusal)
{
    // This environment without the leak check: the first entry of a name counts.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    Args leanEntries{"ASAN_OPTIONS=" + std::string(sanitizer ? sanitizer : "") + ":detect_leaks=0"};
    std::vector<char*> lean{leanEntries[0].data()};
    for (char** entry = environ; *entry != nullptr; ++entry)
        lean.push_back(*entry);
    lean.push_back(nullptr);

    Generator generator;
    std::vector<Slot> running(kAtOnce);
    std::map<int, int> statuses;
    const auto begin = std::chrono::steady_clock::now();
    const double processorBefore = ChildrenSeconds();
    for (int done = 0; done < kCommandLines; done += kAtOnce) {
        for (int i = 0; i < kAtOnce; ++i)
            ASSERT_TRUE(Start(running[i], generator.Next(), (done + i) % kLeakCheckEvery ? lean.data() : environ));
        for (Slot& slot : running) {
            int wait = 0;
            ASSERT_EQ(waitpid(slot.pid, &wait, 0), slot.pid);
            const std::string out = Take(slot.out);
            const std::string err = Take(slot.err);
            const std::string run = Shown(slot.args) + "\nstandard error: " + err.substr(0, 2000);
            ASSERT_TRUE(WIFEXITED(wait)) << "ended by signal " << WTERMSIG(wait) << ": " << run;
            const int status = WEXITSTATUS(wait);
            ++statuses[status];
            if (status == 0) {
                ASSERT_FALSE(out.empty()) << run;
                ASSERT_EQ(err, "") << run;
                continue;
            }
            ASSERT_TRUE(status == 1 || status == 2) << "exit " << status << ": " << run;
            ASSERT_EQ(out, "") << run;
            // One line, short, that cannot act on the terminal.
            const QString line = QString::fromUtf8(err);
            ASSERT_TRUE(line.endsWith(u'\n') && line.count(u'\n') == 1) << run;
            ASSERT_LT(line.size(), 400) << run;
            for (const QChar c : line.chopped(1))
                ASSERT_NE(c.category(), QChar::Other_Control) << run;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("%d command lines in %.1f s (processor time %.1f s); exit status:", kCommandLines, seconds,
                ChildrenSeconds() - processorBefore);
    for (const auto& [status, count] : statuses)
        std::printf(" %d x%d", status, count);
    std::printf("\n");
}

}  // namespace
