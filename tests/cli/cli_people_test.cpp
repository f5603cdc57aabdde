// lunarys-cli's kept people, run as processes through the shell, each test
// with a people file of its own.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

class CliPeople : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lunarys-people-XXXXXX";
        dir_ = mkdtemp(pattern);
        file_ = dir_ + "/people.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // `script` runs in the shell with $CLI, the tool with this test's people file.
    Outcome Shell(const std::string& script) const
    {
        const std::string command = "cd '" + dir_ + "' && CLI='" LUNARYS_CLI_PATH "'; cli() { \"$CLI\" --people-file '"
                                  + file_ + "' \"$@\"; }; { " + script + " ; } >out 2>err";
        Outcome run;
        const int status = std::system(command.c_str());
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = Slurp(dir_ + "/out");
        run.err = Slurp(dir_ + "/err");
        return run;
    }

    std::string dir_;
    std::string file_;
};

constexpr const char* kMaryAnn = "--name 'Mary Ann' --date 1990-07-04 --time 06:30 --zone 34 --lon 72:50E --lat 18:57N";

TEST_F(CliPeople, KeptPeopleGoThroughTheBatchAsTheyWereRead)
{
    const Outcome kept = Shell(std::string("cli ") + kMaryAnn + " --keep --json >/dev/null"
                           " && cli --name Ana --date 1975-07-01 --time 12:00 --lon 3:42W --lat 40:25N --tz Europe/Madrid --keep >/dev/null"
                           " && cli --name 'mary ann' --date 1990-07-04 --time 06:30 --zone 34 --lon 72:50E --lat 18:57N --keep >/dev/null");
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(kept.err, "Kept MARY ANN\nKept ANA\nUpdated MARY ANN\n");

    // The kept birth gives the reading of the worked example again.
    const Outcome person = Shell("cli --person 'MARY ann'");
    ASSERT_EQ(person.status, 0) << person.err;
    EXPECT_NE(person.out.find("Ascendant 16 Can 22"), std::string::npos) << person.out;

    const Outcome batch = Shell("cli --people --format csv | \"$CLI\" --batch - --format csv");
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_EQ(batch.err, "2 readings, 0 rows refused\n");
    EXPECT_NE(batch.out.find(",ANA,-2,0,Europe/Madrid,120,true,1975-07-01T10:00Z"), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find(",MARY ANN,-5,-30,,330,false,1990-07-04T01:00Z"), std::string::npos) << batch.out;
}

// The listing as a table and as --batch CSV, against golden files (kept from
// the listing's first version and checked by eye) of the births below: a list zone with and without daylight saving, a
// database zone, places of the atlas, names beyond ASCII (the table's columns
// count characters, not bytes).
TEST_F(CliPeople, TheListingMatchesItsGoldenFiles)
{
    const Outcome kept = Shell(
        "cli --name 'Mary Ann' --date 1990-07-04 --time 06:30 --zone 34 --lon 72:50E --lat 18:57N --keep"
        " && cli --name 'José Ñandú' --date 1975-07-01 --time 12:00 --lon 3:42W --lat 40:25N --tz Europe/Madrid --keep"
        " && cli --name 'Ólafur Long Name Here' --date 1901-01-01 --time 00:00 --zone 70 --lon 179:59W --lat 89:59S --keep"
        " && cli --name Ren --date 1988-03-03 --time 10:10 --place Reykjavik --keep"
        " && cli --name Sam --date 1960-05-05 --time 05:05 --place 'Springfield, Illinois' --keep"
        " && cli --name Zed --date 2001-01-09 --time 23:05 --zone 3 --dst --lon 0:05E --lat 0:01S --keep"
        " && cli --name 李小龍 --date 1940-11-27 --time 07:12 --place Kathmandu --keep");
    ASSERT_EQ(kept.status, 0) << kept.err;
    for (const auto& [run, golden] : {std::pair{"cli --people", "people-list.txt"},
                                      std::pair{"cli --people --format csv", "people-list.csv"}}) {
        const Outcome listed = Shell(run);
        EXPECT_EQ(listed.status, 0) << run << ": " << listed.err;
        EXPECT_EQ(listed.out, Slurp(std::string(LUNARYS_GOLDEN_DIR "/") + golden)) << run;
    }
}

TEST_F(CliPeople, EightKeepersAtOnceLoseNobody)
{
    const Outcome kept = Shell("for n in Ada Bea Cyd Dot Eve Fay Gil Hal; do cli --name $n --date 1990-07-04 --time 06:30"
                           " --lon 72:50E --lat 18:57N --keep >/dev/null & done; wait; cli --people --json");
    ASSERT_EQ(kept.status, 0) << kept.err;
    for (const char* name : {"ADA", "BEA", "CYD", "DOT", "EVE", "FAY", "GIL", "HAL"})
        EXPECT_NE(kept.out.find(std::string("\"name\": \"") + name + "\""), std::string::npos) << name << kept.err;
}

TEST_F(CliPeople, RefusalsAreOneLineAndNothingElse)
{
    const struct {
        const char* setUp;   // shell commands before the run
        std::string run;
        int status;
        const char* says;
    } cases[] = {
        {"", "cli --person Nobody", 2, "lunarys-cli: --person: no one named 'Nobody' is kept"},
        {"", "cli --forget Nobody", 2, "lunarys-cli: --forget: no one named 'Nobody' is kept"},
        {"printf 'not a database at all' > people.sqlite", "cli --people", 2, "is not a Lunarys people file"},
        {"printf 'SQLite format 3' > people.sqlite", std::string("cli ") + kMaryAnn + " --keep", 2,
         "is not a Lunarys people file"},
        {"printf 'x' > people.sqlite", "cli --import /dev/null", 2, "is not a Lunarys people file"},
        {"", "cli --person Ann --name Ann", 2, "lunarys-cli: --name: not with --person"},
        {"", "cli --people --format html", 2, "lunarys-cli: --format: with --people, text, json or csv"},
        {"", "cli --people --forget Ann", 2, "lunarys-cli: --forget: not with --people"},
        {"", "cli --time-unknown --keep --name Ann --date 1990-07-04 --lon 1:00E --lat 1:00N", 2,
         "lunarys-cli: --keep: only with a reading"},
        {"", "cli --import missing.csv", 2, "lunarys-cli: --import: cannot open 'missing.csv'"},
        {"", "cli --people one two", 2, "lunarys-cli: unexpected argument 'two'"},
        {"", "cli --keep --name Ann --date 1990-02-30 --time 1:00 --lon 1:00E --lat 1:00N", 2,
         "Please Enter Correct Date Or Month!"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file_);
        const std::string before = std::string(c.setUp).empty() ? "" : (Shell(c.setUp), Slurp(file_));
        const Outcome run = Shell(c.run);
        EXPECT_EQ(run.status, c.status) << c.run;
        EXPECT_EQ(run.out, "") << c.run;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.run << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.run << ": " << run.err;
        if (!before.empty()) {
            EXPECT_EQ(Slurp(file_), before) << c.run;   // a file not ours, left as it was
            EXPECT_NE(run.err.find(file_), std::string::npos) << run.err;
        }
    }
}

TEST_F(CliPeople, AnImportIsOneTransactionAndReportsRefusedRows)
{
    const Outcome imported = Shell("printf 'name,date,time,lon,lat,zone,dst,place,tz\\n"
                               "Ada,1990-07-04,06:30,72:50E,18:57N,34,no,,\\n"
                               "Bea,1990-07-04,06:30,,,,,Kathmandu,Asia/Kathmandu\\n"
                               "Cyd,1990-04-31,06:30,72:50E,18:57N,,,,\\n"
                               "Dot,1975-07-01,12:00,3:42W,40:25N,,,,Europe/Madrid\\n' | cli --import -;"
                               " echo \"status $?\"; cli --people");
    EXPECT_NE(imported.out.find("{\"error\":\"the place column cannot be used with the tz column"), std::string::npos)
        << imported.out;
    EXPECT_NE(imported.out.find("\"row\":2}"), std::string::npos) << imported.out;
    EXPECT_NE(imported.out.find("{\"error\":\"Please Enter Correct Date Or Month !\",\"row\":3}"), std::string::npos);
    EXPECT_NE(imported.out.find("status 1"), std::string::npos);
    EXPECT_EQ(imported.err, "2 people kept, 2 rows refused\n");
    EXPECT_NE(imported.out.find("ADA "), std::string::npos);
    EXPECT_NE(imported.out.find("DOT "), std::string::npos);
    EXPECT_EQ(imported.out.find("BEA "), std::string::npos);
}

}  // namespace
