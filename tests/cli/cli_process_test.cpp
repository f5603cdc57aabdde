// lunarys-cli run as a process, as a script would: exit status, standard
// output and standard error.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QJsonArray>
#include <string>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

extern char** environ;

namespace {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Where the tool's standard output goes.
enum class Output { Captured, FullDevice, Closed };

// Runs the tool; `prefix` runs it through another program, such as a shell,
// and `input` names a file for its standard input.
ProcessResult RunCli(const std::vector<std::string>& arguments, const std::vector<std::string>& prefix = {},
                     Output output = Output::Captured, const std::string& input = {})
{
    char outPath[] = "/tmp/lunarys-cli-out-XXXXXX";
    char errPath[] = "/tmp/lunarys-cli-err-XXXXXX";
    const int outFd = mkstemp(outPath);
    const int errFd = mkstemp(errPath);
    std::vector<std::string> argv_ = prefix;
    argv_.push_back(LUNARYS_CLI_PATH);
    argv_.insert(argv_.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : argv_)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output == Output::Captured)
        posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    else if (output == Output::FullDevice)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    else
        posix_spawn_file_actions_addclose(&actions, 1);
    posix_spawn_file_actions_adddup2(&actions, errFd, 2);
    if (!input.empty())
        posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    pid_t pid = 0;
    ProcessResult result;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(outFd);
    close(errFd);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    unlink(outPath);
    unlink(errPath);
    return result;
}

const std::vector<std::string> kMaryAnn = {"--name", "Mary Ann", "--date", "1990-07-04", "--time", "06:30",
                                           "--zone", "34",     "--lon",  "72:50E",     "--lat",  "18:57N"};

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

// Committed outputs for a few births: any change of formula, format or text
// shows here as a readable difference.
TEST(CliGolden, OutputsMatchTheCommittedFiles)
{
    const struct {
        const char* file;
        std::vector<std::string> args;
    } cases[] = {
        {"mary-ann.txt", kMaryAnn},
        {"mary-ann.txt", With(kMaryAnn, {"--format", "text"})},
        {"mary-ann.html", With(kMaryAnn, {"--format", "html"})},
        {"mary-ann.json", With(kMaryAnn, {"--json"})},
        {"mary-ann.json", With(kMaryAnn, {"--format", "json", "--json"})},
        {"sao-paulo-dst.json",
         {"--name", "Ana Lucia", "--date", "1975-02-14", "--time", "22:05:40", "--zone", "Brazil Zone 2,BZT2,-3.0",
          "--dst", "--lon", "46:38W", "--lat", "23:33S", "--json"}},
        {"greenwich-default-zone.json",
         {"--name", "Jose", "--date", "2000-01-01", "--time", "12:00", "--lon", "0:00w", "--lat", "51:30n", "--json"}},
        {"auckland-wrap.txt",
         {"--name", "tane", "--date", "2050-12-31", "--time", "23:59", "--zone", "46", "--lon", "174:46E", "--lat",
          "36:51S"}},
    };
    for (const auto& c : cases) {
        const ProcessResult r = RunCli(c.args);
        EXPECT_EQ(r.status, 0) << c.file;
        EXPECT_EQ(r.err, "") << c.file;
        EXPECT_EQ(r.out, ReadFile(std::string(LUNARYS_GOLDEN_DIR) + "/" + c.file)) << c.file;
    }
}

TEST(CliReading, JsonHasEveryFieldOfTheReading)
{
    const ProcessResult r = RunCli(With(kMaryAnn, {"--json"}));
    ASSERT_EQ(r.status, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o[QStringLiteral("name")].toString(), QStringLiteral("MARY ANN"));
    EXPECT_EQ(o[QStringLiteral("timeZoneHours")].toInt(), -5);
    EXPECT_EQ(o[QStringLiteral("timeZoneMinutes")].toInt(), -30);
    const QJsonObject sun = o[QStringLiteral("sun")].toObject();
    EXPECT_NEAR(sun[QStringLiteral("longitude")].toDouble(), 101.820, 0.0005);
    EXPECT_EQ(sun[QStringLiteral("whole")].toInt(), 101);
    EXPECT_EQ(sun[QStringLiteral("sign")].toString(), QStringLiteral("Cancer"));
    const QJsonObject moon = o[QStringLiteral("moon")].toObject();
    EXPECT_NEAR(moon[QStringLiteral("longitude")].toDouble(), 237.208, 0.0005);
    EXPECT_EQ(moon[QStringLiteral("sign")].toString(), QStringLiteral("Scorpio"));
    EXPECT_EQ(moon[QStringLiteral("element")].toString(), QStringLiteral("Water"));
    EXPECT_EQ(o[QStringLiteral("ascendant")].toObject()[QStringLiteral("text")].toString(), QStringLiteral("16 Can 22"));
    const QJsonObject midpoint = o[QStringLiteral("midpoint")].toObject();
    EXPECT_EQ(midpoint[QStringLiteral("degree")].toInt(), 169);
    EXPECT_EQ(midpoint[QStringLiteral("caption")].toString(), QString::fromUtf8("19º Virgo"));
    EXPECT_EQ(midpoint[QStringLiteral("temperament")].toString(), QStringLiteral("Sanguine"));
    EXPECT_EQ(o[QStringLiteral("house")].toObject()[QStringLiteral("number")].toInt(), 3);
    const QJsonObject texts = o[QStringLiteral("texts")].toObject();
    for (const char* key : {"sunGeneral", "sunInSign", "moonGeneral", "moonInSign", "generalTraits", "positiveTraits",
                            "negativeTraits", "personality", "houseHeading", "houseText"})
        EXPECT_FALSE(texts[QString::fromLatin1(key)].toString().isEmpty()) << key;
    EXPECT_TRUE(texts[QStringLiteral("generalTraits")].toString().contains(QStringLiteral("\r\n\r\n")));
}

TEST(CliReading, AnInputCheckFailureIsOneLineOnStandardError)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--name", "", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter Name"},
        {{"--name", "  ", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter Name"},
        {{"--name", "Mary-", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter only Letters"},
        {{"--name", "Mary--Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter only Letters"},
        {{"--name", "R2D2", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter only Letters"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", ":50E", "--lat", "18:57N"},
         "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "180:00E", "--lat", "18:57N"},
         "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:60E", "--lat", "18:57N"},
         "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:E", "--lat", "18:57N"},
         "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "90:00N"},
         "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {{"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:75S"},
         "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
        {{"--name", "Ann", "--date", "1901-02-29", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter Correct Date Or Month!"},
        {{"--name", "Ann", "--date", "1990-04-31", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"},
         "Please Enter Correct Date Or Month !"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = RunCli(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, std::string(c.message) + "\n");
    }
}

TEST(CliReading, NamesOfAnyAlphabetInCapitals)
{
    const ProcessResult r =
        RunCli({"--name", "José Ñúñez", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"name\": \"JOSÉ ÑÚÑEZ\""), std::string::npos);
    const ProcessResult joined = RunCli(
        {"--name", "Jo-Ann O’Brien", "--date", "1990-07-04", "--time", "06:30", "--lon", "72:50E", "--lat", "18:57N"});
    ASSERT_EQ(joined.status, 0) << joined.err;
    EXPECT_NE(joined.out.find("reading for JO-ANN O’BRIEN\n"), std::string::npos);
}

// Output that does not arrive is a failure, told in one line.
TEST(CliOutput, AFailedWriteIsReported)
{
    const struct {
        Output output;
        const char* reason;
    } targets[] = {{Output::FullDevice, "No space left on device"}, {Output::Closed, "Bad file descriptor"}};
    const std::vector<std::string> runs[] = {kMaryAnn, With(kMaryAnn, {"--json"}), {"--help"}, {"--list-zones"}};
    for (const auto& target : targets)
        for (const auto& args : runs) {
            const ProcessResult r = RunCli(args, {}, target.output);
            EXPECT_EQ(r.status, 1) << args.back() << ", " << target.reason;
            EXPECT_EQ(r.err, std::string("lunarys-cli: cannot write the output: ") + target.reason + "\n");
        }
}

QJsonObject JsonOf(const ProcessResult& r)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
}

// Spain kept Central European Summer Time, UT+2, through the summer of 1975.
TEST(CliPlaces, PlaceGivesItsCoordinatesAndTheDatabaseClock)
{
    const std::vector<std::string> birth = {"--name", "Ana", "--date", "1975-07-01", "--time", "12:00", "--json"};
    const ProcessResult byPlace = RunCli(With(birth, {"--place", "Madrid, Spain"}));
    ASSERT_EQ(byPlace.status, 0) << byPlace.err;
    const QJsonObject o = JsonOf(byPlace);
    const QJsonObject clock = o[QStringLiteral("clock")].toObject();
    EXPECT_EQ(clock[QStringLiteral("universalTime")].toString(), QStringLiteral("1975-07-01T10:00Z"));
    EXPECT_EQ(clock[QStringLiteral("utcOffsetMinutes")].toInt(), 120);
    EXPECT_TRUE(clock[QStringLiteral("daylightSaving")].toBool());
    EXPECT_EQ(clock[QStringLiteral("timeZone")].toString(), QStringLiteral("Europe/Madrid"));
    const QJsonObject place = o[QStringLiteral("place")].toObject();
    EXPECT_EQ(place[QStringLiteral("name")].toString(), QStringLiteral("Madrid"));
    EXPECT_EQ(place[QStringLiteral("country")].toString(), QStringLiteral("Spain"));
    EXPECT_NEAR(place[QStringLiteral("latitude")].toDouble(), 40.42, 0.01);
    EXPECT_NEAR(place[QStringLiteral("longitude")].toDouble(), -3.70, 0.01);

    // The same birth typed as the window's boxes would hold it, by the zone
    // name, and by the list item with the box: the same reading.
    const ProcessResult byName = RunCli(With(birth, {"--lon", "3:42W", "--lat", "40:25N", "--tz", "Europe/Madrid"}));
    const ProcessResult byList = RunCli(With(birth, {"--lon", "3:42W", "--lat", "40:25N", "--zone", "20", "--dst"}));
    for (const ProcessResult* other : {&byName, &byList}) {
        ASSERT_EQ(other->status, 0) << other->err;
        const QJsonObject p = JsonOf(*other);
        for (const char* key : {"sun", "moon", "ascendant", "midpoint", "house"})
            EXPECT_EQ(p[QString::fromLatin1(key)], o[QString::fromLatin1(key)]) << key;
        EXPECT_EQ(p[QStringLiteral("clock")].toObject()[QStringLiteral("universalTime")], clock[QStringLiteral("universalTime")]);
    }
}

TEST(CliPlaces, SeveralMatchesAreToldAndTheMostPopulousTaken)
{
    const ProcessResult r = RunCli({"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--place", "Springfield"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err.rfind("Taking Springfield, Missouri, United States of America (", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(" places match; add ', State' or ', Country')\n"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Note: America/Chicago on 4 July 1990 06:30: UT-5:00, daylight saving"), std::string::npos);

    const ProcessResult list = RunCli({"--places", "Springfield, Illinois", "--json"});
    ASSERT_EQ(list.status, 0) << list.err;
    const QJsonArray places = QJsonDocument::fromJson(QByteArray::fromStdString(list.out)).array();
    ASSERT_EQ(places.size(), 1);
    EXPECT_EQ(places[0].toObject()[QStringLiteral("timeZone")].toString(), QStringLiteral("America/Chicago"));
}

// A place found by another of its names (GeoNames: Mumbai, 1275339, was
// Bombay) says so on standard error, and --places in its matched field.
TEST(CliPlaces, AnOtherNameMatchedIsTold)
{
    const ProcessResult r = RunCli({"--name", "Ann", "--date", "1990-07-04", "--time", "06:30", "--place", "Bombay"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Taking Mumbai, Maharashtra, India (as Bombay)\n");
    EXPECT_NE(r.out.find("Place: Mumbai, Maharashtra, India\n"), std::string::npos) << r.out;

    const ProcessResult list = RunCli({"--places", "Bombay", "--json"});
    ASSERT_EQ(list.status, 0) << list.err;
    const QJsonObject first = QJsonDocument::fromJson(QByteArray::fromStdString(list.out)).array()[0].toObject();
    EXPECT_EQ(first[QStringLiteral("name")].toString(), QStringLiteral("Mumbai"));
    EXPECT_EQ(first[QStringLiteral("matched")].toString(), QStringLiteral("Bombay"));
    const ProcessResult own = RunCli({"--places", "Springfield, Illinois", "--json"});
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(own.out)).array()[0].toObject()[QStringLiteral("matched")].isNull());
}

TEST(CliPlaces, RefusalsAreOneLineOnStandardError)
{
    const std::vector<std::string> birth = {"--name", "Ann", "--date", "1990-07-04", "--time", "06:30"};
    const struct {
        std::vector<std::string> more;
        const char* begins;
    } cases[] = {
        {{"--place", "Qwertyville"}, "lunarys-cli: --place: no place matches 'Qwertyville'"},
        {{"--places", "Qwertyville"}, "lunarys-cli: --places: no place matches 'Qwertyville'"},
        {{"--tz", "Mars/Olympus_Mons", "--lon", "72:50E", "--lat", "18:57N"},
         "lunarys-cli: --tz: unknown time-zone name 'Mars/Olympus_Mons'"},
        {{"--tz", "EST5EDT", "--lon", "72:50E", "--lat", "18:57N"}, "lunarys-cli: --tz: unknown time-zone name"},
        {{"--place", "Mumbai", "--lon", "72:50E"}, "lunarys-cli: --place cannot be used with --lon"},
        {{"--place", "Mumbai", "--lat", "18:57N"}, "lunarys-cli: --place cannot be used with --lat"},
        {{"--place", "Mumbai", "--zone", "34"}, "lunarys-cli: --place cannot be used with --zone"},
        {{"--place", "Mumbai", "--dst"}, "lunarys-cli: --place cannot be used with --dst"},
        {{"--place", "Mumbai", "--tz", "Asia/Kolkata"}, "lunarys-cli: --place cannot be used with --tz"},
        {{"--tz", "Asia/Kolkata", "--zone", "34"}, "lunarys-cli: --tz cannot be used with --zone"},
        {{"--tz", "Asia/Kolkata", "--dst"}, "lunarys-cli: --tz cannot be used with --dst"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = birth;
        args.insert(args.end(), c.more.begin(), c.more.end());
        const ProcessResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << c.begins;
        EXPECT_EQ(r.out, "") << c.begins;
        EXPECT_EQ(r.err.rfind(c.begins, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(CliUsage, ErrorsHelpVersionAndZones)
{
    const ProcessResult unknown = RunCli({"--frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("frobnicate"), std::string::npos);

    const ProcessResult year = RunCli({"--name", "Ann", "--date", "2051-01-01", "--time", "06:30"});
    EXPECT_EQ(year.status, 2);
    EXPECT_EQ(year.out, "");
    EXPECT_EQ(year.err.rfind("lunarys-cli: --date:", 0), 0u) << year.err;

    const ProcessResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: lunarys-cli", 0), 0u);

    // Without arguments: the usage lines of the help, on standard error.
    const ProcessResult bare = RunCli({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_EQ(bare.out, "");
    const std::size_t usageEnd = help.out.find("\n\n");
    ASSERT_NE(usageEnd, std::string::npos);
    EXPECT_EQ(bare.err, help.out.substr(0, usageEnd + 1) + "Run 'lunarys-cli --help' for the options.\n");

    const ProcessResult version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "lunarys-cli 1.15\n");

    const ProcessResult zones = RunCli({"--list-zones"});
    EXPECT_EQ(zones.status, 0);
    std::istringstream lines(zones.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.rfind(std::to_string(count) + "\t", 0), 0u) << line;
        ++count;
    }
    EXPECT_EQ(count, 71);
    EXPECT_NE(zones.out.find("34\tIndian Time, IST, +5.3\n"), std::string::npos);
}

// A file of this test's own, removed at the end.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& contents)
    {
        char name[] = "/tmp/lunarys-batch-XXXXXX";
        const int fd = mkstemp(name);
        path = name;
        if (write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size()))
            path.clear();
        close(fd);
    }
    ~TempFile() { unlink(path.c_str()); }
};

QJsonObject ParsedLine(const std::string& line)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// Good rows and refused rows mixed: one line for each in the input's order,
// a good row's line is what --json prints for that birth (without the texts,
// with the row), a refused row's line has the message its option or the
// input check gives; the batch goes on, counts on standard error and exits
// with 1. Read from standard input as well as from a file.
TEST(CliBatch, RefusedRowsAmongGoodOnesKeepTheirPlaces)
{
    const TempFile csv(
        "name,date,time,zone,dst,lon,lat\r\n"
        "Mary Ann,1990-07-04,06:30,34,no,72:50E,18:57N\r\n"
        "Ann,1990-07-04,06:30,34,,180:00E,18:57N\r\n"
        "\r\n"
        "Ann,,06:30,34,,72:50E,18:57N\r\n"
        "Ann,1990-07-04,06:30,34,maybe,72:50E,18:57N\r\n"
        "R2D2,1990-07-04,06:30,34,,72:50E,18:57N\r\n"
        "Ann,1990-07-04,06:30\r\n"
        "\"Ana Lucia\",1975-02-14,22:05:40,\"Brazil Zone 2,BZT2,-3.0\",YES,46:38W,23:33S\r\n");
    const std::vector<std::string> expectedErrors = {
        "", "Please Enter Value Between 0 And 179 in the Degree of Longitude",
        "--date: missing (the birth date, YYYY-MM-DD)",
        "dst: expected yes, no, true, false, 1, 0 or nothing, got 'maybe'", "Please Enter only Letters",
        "3 fields where the header names 7", ""};
    const std::vector<std::vector<std::string>> singles = {
        kMaryAnn, {"--name", "Ana Lucia", "--date", "1975-02-14", "--time", "22:05:40", "--zone",
                   "Brazil Zone 2,BZT2,-3.0", "--dst", "--lon", "46:38W", "--lat", "23:33S"}};

    for (const bool fromStandardInput : {false, true}) {
        const ProcessResult r = fromStandardInput ? RunCli({"--batch", "-"}, {}, Output::Captured, csv.path) : RunCli({"--batch", csv.path});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "2 readings, 5 rows refused\n");
        std::istringstream lines(r.out);
        std::string line;
        std::size_t row = 0;
        std::size_t good = 0;
        while (std::getline(lines, line)) {
            ASSERT_LT(row, expectedErrors.size()) << line;
            QJsonObject o = ParsedLine(line);
            EXPECT_EQ(o.take(QStringLiteral("row")).toInt(), static_cast<int>(row + 1)) << line;
            if (expectedErrors[row].empty()) {
                QJsonObject single = ParsedLine(RunCli(With(singles[good++], {"--json"})).out);
                single.remove(QStringLiteral("texts"));
                EXPECT_EQ(o, single) << line;
            } else {
                EXPECT_EQ(o, (QJsonObject{{QStringLiteral("error"), QString::fromStdString(expectedErrors[row])}}));
            }
            ++row;
        }
        EXPECT_EQ(row, expectedErrors.size());
    }
}

// The place and tz columns read as --place and --tz do: a row's line is what
// the single reading prints.
TEST(CliBatch, PlaceAndTimeZoneColumnsReadAsTheirOptions)
{
    const TempFile byPlace("name,date,time,place\nAna,1975-07-01,12:00,\"Madrid, Spain\"\nBo,1975-07-01,12:00,Qwertyville\n");
    const TempFile byZone("name,date,time,lon,lat,tz\nAna,1975-07-01,12:00,3:42W,40:25N,Europe/Madrid\n");
    const std::vector<std::string> birth = {"--name", "Ana", "--date", "1975-07-01", "--time", "12:00", "--json"};
    const struct {
        const TempFile& csv;
        std::vector<std::string> single;
    } cases[] = {{byPlace, With(birth, {"--place", "Madrid, Spain"})},
                 {byZone, With(birth, {"--lon", "3:42W", "--lat", "40:25N", "--tz", "Europe/Madrid"})}};
    for (const auto& c : cases) {
        const ProcessResult r = RunCli({"--batch", c.csv.path});
        std::istringstream lines(r.out);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line)) << r.err;
        QJsonObject o = ParsedLine(line);
        EXPECT_EQ(o.take(QStringLiteral("row")).toInt(), 1);
        QJsonObject single = ParsedLine(RunCli(c.single).out);
        single.remove(QStringLiteral("texts"));
        EXPECT_EQ(o, single) << line;
        EXPECT_EQ(o[QStringLiteral("clock")].toObject()[QStringLiteral("universalTime")].toString(),
                  QStringLiteral("1975-07-01T10:00Z"));
    }
    const ProcessResult r = RunCli({"--batch", byPlace.path});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("{\"error\":\"--place: no place matches 'Qwertyville'"), std::string::npos) << r.out;
}

// CSV out, texts, a file for the output; usage errors stop the batch before
// any output with 2.
TEST(CliBatch, CsvTextsOutputFileAndUsageErrors)
{
    const TempFile csv("name,date,time,lon,lat,zone\nMary Ann,1990-07-04,06:30,72:50E,18:57N,34\n");
    const ProcessResult table = RunCli({"--batch", csv.path, "--format", "csv", "--texts"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.err, "1 reading, 0 rows refused\n");
    EXPECT_EQ(table.out.rfind("row,error,name,timeZoneHours,timeZoneMinutes,timeZone,utcOffsetMinutes,daylightSaving,"
                              "universalTime,placeName,",
                              0),
              0u)
        << table.out;
    EXPECT_NE(table.out.find(",holdsFrom,holdsTo,sunGeneral,"), std::string::npos);
    EXPECT_NE(table.out.find("\r\n1,,MARY ANN,-5,-30,,330,false,1990-07-04T01:00Z,,,,,,,101.82018471488473,101,"
                             "\"11\u00b0 49' 12\"\" Can\",Cancer,"),
              std::string::npos);
    EXPECT_NE(table.out.find(",3,3rd House,04:31,06:46,\"He can be good or evil"), std::string::npos);

    const TempFile output("old contents");
    const ProcessResult toFile = RunCli({"--batch", csv.path, "--output", output.path});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(ParsedLine(ReadFile(output.path))[QStringLiteral("holds")].toObject()[QStringLiteral("to")].toString(),
              QStringLiteral("06:46"));

    const TempFile extra("name,date,time,hair\nAnn,1990-07-04,06:30,red\n");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } usage[] = {
        {{"--batch", extra.path}, "lunarys-cli: unknown column 'hair'\n"},
        {{"--batch", csv.path, "--date", "1990-07-04"}, "lunarys-cli: --date: not with --batch"},
        {{"--batch", "/nonexistent/births.csv"}, "lunarys-cli: --batch: cannot open '/nonexistent/births.csv'"},
        {{"--batch", csv.path, "--format", "xml"}, "lunarys-cli: --format: expected text, json, html, pdf or csv, got 'xml'"},
    };
    for (const auto& u : usage) {
        const ProcessResult r = RunCli(u.args);
        EXPECT_EQ(r.status, 2) << u.message;
        EXPECT_EQ(r.out, "") << u.message;
        EXPECT_EQ(r.err.rfind(u.message, 0), 0u) << r.err;
    }
}

// The day of an unknown birth time: ranges from 00:00 to 23:59 without gap
// or overlap, neighbours differing, and the range of 06:30 is what the
// reading at 06:30 holds.
TEST(CliTimeUnknown, RangesCoverTheDayAndHoldTheReadings)
{
    const std::vector<std::string> day = {"--time-unknown", "--name", "Mary Ann", "--date", "1990-07-04", "--zone",
                                          "34", "--lon", "72:50E", "--lat", "18:57N"};
    const ProcessResult r = RunCli(With(day, {"--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject o = ParsedLine(r.out);
    EXPECT_EQ(o[QStringLiteral("name")].toString(), QStringLiteral("MARY ANN"));
    EXPECT_EQ(o[QStringLiteral("date")].toString(), QStringLiteral("1990-07-04"));
    const QJsonArray ranges = o[QStringLiteral("ranges")].toArray();
    ASSERT_GE(ranges.size(), 12);
    const auto minute = [](const QJsonValue& v) {
        const QString text = v.toString();
        return text.left(2).toInt() * 60 + text.mid(3).toInt();
    };
    int next = 0;
    QJsonObject previous;
    QJsonObject holding;
    for (const QJsonValue& value : ranges) {
        QJsonObject range = value.toObject();
        EXPECT_EQ(minute(range[QStringLiteral("from")]), next);
        next = minute(range[QStringLiteral("to")]) + 1;
        if (minute(range[QStringLiteral("from")]) <= 390 && 390 < next)
            holding = range;
        range.remove(QStringLiteral("from"));
        range.remove(QStringLiteral("to"));
        EXPECT_NE(range, previous);
        previous = range;
    }
    EXPECT_EQ(next, 1440);
    const QJsonObject reading = ParsedLine(RunCli(With(kMaryAnn, {"--json"})).out);
    EXPECT_EQ(reading[QStringLiteral("holds")].toObject(),
              (QJsonObject{{QStringLiteral("from"), holding[QStringLiteral("from")]},
                           {QStringLiteral("to"), holding[QStringLiteral("to")]}}));
    EXPECT_EQ(holding[QStringLiteral("house")].toInt(), 3);

    const ProcessResult table = RunCli(day);
    EXPECT_EQ(table.status, 0);
    EXPECT_NE(table.out.find("04:31  06:46  Cancer       Scorpio      Virgo        3rd House\n"), std::string::npos)
        << table.out;
    EXPECT_EQ(RunCli(With(day, {"--time", "06:30"})).status, 2);
}

}  // namespace

namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed afterwards.
struct Scratch {
    Scratch()
    {
        char name[] = "/tmp/lunarys-cli-files-XXXXXX";
        path = mkdtemp(name);
    }
    ~Scratch() { fs::remove_all(path); }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string path;
};

TEST(CliOutput, FormatAndOutputUsageErrors)
{
    const struct {
        std::vector<std::string> more;
        const char* option;
    } cases[] = {
        {{"--format", "pdf"}, "--format pdf"},
        {{"--format", "xml"}, "--format"},
        {{"--json", "--format", "html"}, "--json"},
        {{"--format", "text", "--format", "html"}, "--format"},
        {{"--output", ""}, "--output"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = kMaryAnn;
        args.insert(args.end(), c.more.begin(), c.more.end());
        const ProcessResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << c.option;
        EXPECT_EQ(r.out, "") << c.option;
        EXPECT_EQ(r.err.rfind(std::string("lunarys-cli: ") + c.option, 0), 0u) << r.err;
    }
}

// The file holds what standard output would have: a file already there is
// replaced whole, not overwritten in part.
TEST(CliOutput, OutputReplacesAFileWhole)
{
    Scratch folder;
    const std::string file = folder.path + "/reading.html";
    std::ofstream(file) << std::string(100000, 'x');
    const ProcessResult r = RunCli(With(kMaryAnn, {"--format", "html", "--output", file}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadFile(file), RunCli(With(kMaryAnn, {"--format", "html"})).out);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"reading.html"});
}

TEST(CliOutput, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    Scratch folder;
    fs::create_directory(folder.path + "/taken.pdf");
    const std::string earlier = folder.path + "/earlier.pdf";
    std::ofstream(earlier) << "the earlier reading";
    // A file size limit of 8 blocks stands for a full disk: neither the PDF
    // nor the text (written at once, and at the end from Qt's buffer) fits.
    const std::vector<std::string> fullDisk = {"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\""};
    const struct {
        const char* format;
        std::string file;
        std::vector<std::string> prefix;
        const char* reason;
    } cases[] = {
        {"pdf", folder.path + "/missing/reading.pdf", {}, "No such file or directory"},
        {"html", folder.path + "/taken.pdf", {}, "Is a directory"},
        {"pdf", earlier, fullDisk, "File too large"},
        {"text", earlier, fullDisk, "File too large"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = RunCli(With(kMaryAnn, {"--format", c.format, "--output", c.file}), c.prefix);
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_EQ(r.out, "") << c.file;
        EXPECT_EQ(r.err, "lunarys-cli: cannot write '" + c.file + "': " + c.reason + "\n");
    }
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"earlier.pdf", "taken.pdf"}));
    EXPECT_TRUE(fs::is_empty(folder.path + "/taken.pdf"));
    EXPECT_EQ(ReadFile(earlier), "the earlier reading");
}

// The PDF's text, as a reader's copy and paste or a search would find it.
TEST(CliOutput, PdfHoldsTheReadingAsText)
{
    const std::string pdftotext = LUNARYS_PDFTOTEXT;
    if (pdftotext.empty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the PDF's text is not checked";
    Scratch folder;
    const std::string pdf = folder.path + "/MARY ANN - Lunarys reading.pdf";
    const ProcessResult r = RunCli(With(kMaryAnn, {"--format", "pdf", "--output", pdf}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(pdf).rfind("%PDF-", 0), 0u);

    const std::string text = folder.path + "/reading.txt";
    const std::string command = "'" + pdftotext + "' -enc UTF-8 '" + pdf + "' '" + text + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::string words = ReadFile(text);
    std::replace(words.begin(), words.end(), '\n', ' ');
    for (const char* expected :
         {"Midpoint astrology reading for MARY ANN", "Time zone: Indian Time, IST, +5.3",
          "Universal time used: 1990-07-04T01:00Z", "About Midpoint Astrology", "About Sun, Moon and House",
          "You have a very charming personality that", "Midpoint lies in: 3rd House",
          "More About Third House"})
        EXPECT_NE(words.find(expected), std::string::npos) << expected;
}

// Days that zones moving across the date line left out: no birth time
// existed, so there are no ranges, and a reading given a time on such a day
// holds for no range.
// British summer time began on 28 March 2021 at 01:00 GMT and ended on 31
// October 2021 at 02:00 BST: the hour after 01:00 did not exist in March and
// came twice in October.
TEST(CliBirthTimes, AClockTimeThatDidNotExistAndTheRangesAClockChangeCuts)
{
    const std::vector<std::string> london = {"--name", "Ann", "--lon", "0:07W", "--lat", "51:30N", "--tz", "Europe/London"};
    const ProcessResult skipped = RunCli(With(london, {"--date", "2021-03-28", "--time", "01:30"}));
    ASSERT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_NE(skipped.out.find("\nNo clock showed 01:30 on 28 March 2021 in Europe/London: the clocks went from 01:00 "
                               "to 02:00.\n\n== About Midpoint Astrology"),
              std::string::npos)
        << skipped.out.substr(0, 600);
    EXPECT_EQ(skipped.out.find("This reading holds"), std::string::npos);

    const struct {
        const char* date;
        const char* mark;   // in the text table
        const char* kind;   // in the JSON
    } days[] = {{"2021-03-28", "clocks put forward: 01:00-01:59 did not exist", "skipped"},
                {"2021-10-31", "clocks put back: 01:00-01:59 came twice, the first time counted", "repeated"}};
    for (const auto& d : days) {
        const std::vector<std::string> args = With(london, {"--time-unknown", "--date", d.date});
        const ProcessResult text = RunCli(args);
        ASSERT_EQ(text.status, 0) << text.err;
        const ProcessResult json = RunCli(With(args, {"--json"}));
        ASSERT_EQ(json.status, 0) << json.err;
        const QJsonArray ranges = JsonOf(json)[QStringLiteral("ranges")].toArray();
        int marked = 0;
        for (const QJsonValue& value : ranges) {
            const QJsonObject range = value.toObject();
            const QJsonArray changes = range[QStringLiteral("clockChanges")].toArray();
            if (changes.isEmpty())
                continue;
            ++marked;
            // The marked range runs over 01:00-01:59 (or holds a part of it).
            const QJsonObject change = changes.first().toObject();
            EXPECT_EQ(change[QStringLiteral("kind")].toString().toStdString(), d.kind);
            EXPECT_EQ(change[QStringLiteral("from")].toString(), QStringLiteral("01:00"));
            EXPECT_EQ(change[QStringLiteral("to")].toString(), QStringLiteral("01:59"));
            EXPECT_LE(range[QStringLiteral("from")].toString(), QStringLiteral("01:59")) << d.date;
            EXPECT_GE(range[QStringLiteral("to")].toString(), QStringLiteral("01:00")) << d.date;
            // The text table marks the same row.
            const std::string row = range[QStringLiteral("from")].toString().toStdString() + "  "
                                    + range[QStringLiteral("to")].toString().toStdString() + "  ";
            const std::size_t at = text.out.find(row);
            ASSERT_NE(at, std::string::npos) << row;
            EXPECT_NE(text.out.substr(at, text.out.find('\n', at) - at).find(d.mark), std::string::npos) << row;
        }
        EXPECT_GE(marked, 1) << d.date;
        // An ordinary day marks nothing.
        EXPECT_EQ(RunCli(With(london, {"--time-unknown", "--date", "2021-06-01"})).out.find("clocks put"),
                  std::string::npos);
    }
}

TEST(CliTimeUnknown, ADayTheClocksSkippedHasNoBirthTimes)
{
    const struct {
        std::vector<std::string> where;
        const char* date;
        const char* zone;
    } days[] = {
        {{"--place", "Apia, Samoa"}, "2011-12-30", "Pacific/Apia"},
        {{"--tz", "Pacific/Kwajalein", "--lon", "167:44E", "--lat", "9:11N"}, "1993-08-21", "Pacific/Kwajalein"},
    };
    for (const auto& d : days) {
        std::vector<std::string> args = {"--time-unknown", "--name", "Ann", "--date", d.date};
        args.insert(args.end(), d.where.begin(), d.where.end());
        const ProcessResult r = RunCli(args);
        EXPECT_EQ(r.status, 2) << d.zone;
        EXPECT_EQ(r.out, "") << d.zone;
        const std::string line = std::string("lunarys-cli: --date: the clocks of ") + d.zone + " skipped " + d.date +
                                 " whole; that day has no birth times\n";
        EXPECT_EQ(r.err.substr(r.err.size() - std::min(r.err.size(), line.size())), line);

        args[0] = "--json";
        args.insert(args.end(), {"--time", "12:00"});
        const ProcessResult reading = RunCli(args);
        EXPECT_EQ(reading.status, 0) << d.zone << reading.err;
        EXPECT_TRUE(ParsedLine(reading.out)[QStringLiteral("holds")].isNull()) << d.zone;
    }
}

// A pipe named as a batch's output is written to, and stays a pipe.
TEST(CliBatch, AnOutputPipeIsWrittenToNotReplaced)
{
    Scratch folder;
    const std::string pipe = folder.path + "/readings";
    const std::string copy = folder.path + "/copy.jsonl";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const TempFile csv("name,date,time,lon,lat,zone\nMary Ann,1990-07-04,06:30,72:50E,18:57N,34\n");
    const std::vector<std::string> reader = {
        "/bin/sh", "-c", "timeout 20 cat '" + pipe + "' > '" + copy + "' & \"$0\" \"$@\"; s=$?; wait; exit $s"};
    const ProcessResult r = RunCli({"--batch", csv.path, "--output", pipe}, reader);
    EXPECT_EQ(r.status, 0) << r.err;
    struct stat status {};
    ASSERT_EQ(stat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(ParsedLine(ReadFile(copy))[QStringLiteral("name")].toString(), QStringLiteral("MARY ANN"));
}

// What the user gave comes back in a refusal escaped and cut at 60
// characters: option values, and the names of the files to read and write,
// whichever way they fail.
TEST(CliRefusals, WhatTheUserGaveIsEchoedSafely)
{
    Scratch folder;
    const TempFile csv("name,date,time,lon,lat,zone\nMary Ann,1990-07-04,06:30,72:50E,18:57N,34\n");
    const std::string longName = folder.path + "/missing/" + std::string(300, 'n') + ".jsonl";
    const std::string shownLongName = folder.path + "/missing/" + std::string(60 - folder.path.size() - 9, 'n') + "\u2026";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;
    } cases[] = {
        {{"--name", "Ann", "--time", "06:30", "--date", "\x1b]0;x\a\x1b[2J"}, 2,
         "lunarys-cli: --date: expected YYYY-MM-DD, got '\\x1b]0;x\\x07\\x1b[2J'\n"},
        {{"--batch", "/nonexistent/a\nb\x1b[2J.csv"}, 2,
         "lunarys-cli: --batch: cannot open '/nonexistent/a\\x0ab\\x1b[2J.csv': No such file or directory\n"},
        {{"--batch", csv.path, "--output", longName}, 1,
         "lunarys-cli: cannot write '" + shownLongName + "': No such file or directory\n"},
        {With(kMaryAnn, {"--output", longName}), 1,
         "lunarys-cli: cannot write '" + shownLongName + "': No such file or directory\n"},
        {{"--batch", csv.path, "--output", folder.path}, 1,
         "lunarys-cli: cannot write '" + folder.path + "': Is a directory\n"},
        {With(kMaryAnn, {"--output", folder.path}), 1, "lunarys-cli: cannot write '" + folder.path + "': Is a directory\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, c.message);
    }
    EXPECT_TRUE(folder.Entries().empty());
}

// Input a batch cannot take as it stands: a row far too long is refused with
// its number and the next line read, without holding the row; an input whose
// first line never ends is refused at once; a read error is told, and no
// output file is made of the rows read before it.
TEST(CliBatch, HostileInputs)
{
    const std::string header = "name,date,time,lon,lat,zone\n";
    const std::string good = "Mary Ann,1990-07-04,06:30,72:50E,18:57N,34\n";
    const std::string tooLong = "{\"error\":\"more than 64 KiB before its line ends\",\"row\":1}\n";
    const TempFile longLine(header + std::string(10'000'000, 'x') + "\n" + good);
    std::string rows = header;
    for (int i = 0; i < 5000; ++i)
        rows += good;
    const TempFile manyRows(rows);
    Scratch folder;
    const std::string output = folder.path + "/readings.jsonl";
    std::ofstream(output) << "the earlier readings";
    const std::string readError = "lunarys-cli: --batch: cannot read '" + manyRows.path + "': Input/output error\n";
    // 200 MB without a line end, through a pipe, then a good row.
    const std::vector<std::string> endless = {
        "/bin/sh", "-c", "{ printf '" + header.substr(0, header.size() - 1) + "\\n'; head -c 200000000 /dev/zero; "
                         "printf '\\n" + good.substr(0, good.size() - 1) + "\\n'; } | exec \"$0\" \"$@\""};
    // The second read of the input fails. The leak check, which cannot work
    // under a tracer, is left out of a sanitized build's run.
    const std::vector<std::string> failSecondRead = {
        "/bin/sh", "-c",
        "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" exec '" LUNARYS_STRACE "' -o /dev/null -P '" +
            manyRows.path + "' -e inject=read:error=EIO:when=2 \"$0\" \"$@\""};
    const struct {
        const char* what;
        std::vector<std::string> args;
        std::vector<std::string> prefix;
        int status;
        std::string out;   // its beginning
        std::string err;
    } cases[] = {
        {"a 10 MB line, then a good row", {"--batch", longLine.path}, {}, 1, tooLong + "{\"ascendant\"",
         "1 reading, 1 row refused\n"},
        {"200 MB of zeros, then a good row", {"--batch", "-"}, endless, 1, tooLong + "{\"ascendant\"",
         "1 reading, 1 row refused\n"},
        {"a first line without end", {"--batch", "/dev/zero"}, {}, 2, "",
         "lunarys-cli: --batch: the first line has more than 64 KiB before its line ends\n"},
        {"a read error", {"--batch", manyRows.path, "--output", output}, failSecondRead, 1, "", readError},
    };
    for (const auto& c : cases) {
        if (c.prefix == failSecondRead && std::string(LUNARYS_STRACE).empty()) {
            ADD_FAILURE() << "strace is not installed (scripts/ensure-packages.sh test installs it)";
            continue;
        }
        const ProcessResult r = RunCli(c.args, c.prefix);
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << c.what;
        EXPECT_EQ(r.err, c.err) << c.what;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"readings.jsonl"});
    EXPECT_EQ(ReadFile(output), "the earlier readings");
    // No case held its long record: the largest process stayed far below it.
    rusage children {};
    getrusage(RUSAGE_CHILDREN, &children);
    EXPECT_LT(children.ru_maxrss, 100 * 1024) << "kB";
}

}  // namespace
