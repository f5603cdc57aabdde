#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include "cli/echo.h"

namespace lunarys::cli {
namespace {

QStringList Args(std::initializer_list<const char*> list)
{
    QStringList args;
    for (const char* a : list)
        args << QString::fromUtf8(a);
    return args;
}

const std::initializer_list<const char*> kMaryAnn = {"--name", "Mary Ann", "--date", "1990-07-04", "--time", "06:30",
                                                     "--zone", "34", "--lon", "72:50E", "--lat", "18:57N"};

// The worked example without one option and its value.
QStringList MaryAnnWithout(const QString& option)
{
    QStringList args = Args(kMaryAnn);
    if (const qsizetype at = args.indexOf(option); at >= 0)
        args.remove(at, 2);
    return args;
}

TEST(ParseCommandLine, TheWorkedExample)
{
    const auto parsed = ParseCommandLine(Args(kMaryAnn));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed));
    const CliRequest& r = std::get<CliRequest>(parsed);
    EXPECT_EQ(r.action, CliRequest::Action::Reading);
    EXPECT_EQ(r.output.format, OutputFormat::Text);
    EXPECT_EQ(r.output.file, QString());
    engine::Birth expected;
    expected.Name = QStringLiteral("Mary Ann");
    expected.Year = 1990;
    expected.Month = 7;
    expected.Day = 4;
    expected.Hour = 6;
    expected.Minute = 30;
    expected.Clock = engine::ListZoneClock{34, false};
    expected.LongitudeDegrees = 72;
    expected.LongitudeMinutes = 50;
    expected.LatitudeDegrees = 18;
    expected.LatitudeMinutes = 57;
    EXPECT_TRUE(r.birth == expected);
}

TEST(ParseCommandLine, OptionalPartsAndTheirDefaults)
{
    const auto parsed = ParseCommandLine(Args({"--name", "", "--date", "2000-02-29", "--time", "23:59:59", "--lon",
                                               "3:42w", "--lat", "33:55s", "--zone", "Indian Time, IST, +5.3",
                                               "--dst", "--json"}));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed));
    const CliRequest& r = std::get<CliRequest>(parsed);
    EXPECT_EQ(r.output.format, OutputFormat::Json);
    EXPECT_TRUE(r.birth.Clock == (engine::BirthClockKind{engine::ListZoneClock{34, true}}));
    EXPECT_EQ(r.birth.Hour, 23);
    EXPECT_EQ(r.birth.Minute, 59);
    EXPECT_FALSE(r.birth.LongitudeIsEast);
    EXPECT_TRUE(r.birth.LatitudeIsSouth);
    EXPECT_TRUE(r.birth.Name.isEmpty());

    const auto noZone = ParseCommandLine(Args({"--name", "Ann", "--date", "2000-01-01", "--time", "0:0", "--lon", ":0E",
                                               "--lat", "0:0N"}));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(noZone));
    EXPECT_TRUE(std::get<CliRequest>(noZone).birth.Clock == (engine::BirthClockKind{engine::ListZoneClock{29, false}}));
    EXPECT_EQ(std::get<CliRequest>(noZone).birth.LongitudeDegrees, -1);   // left to the input check
}

TEST(ParseCommandLine, Actions)
{
    const struct {
        const char* option;
        CliRequest::Action action;
    } cases[] = {{"--help", CliRequest::Action::Help},
                 {"-h", CliRequest::Action::Help},
                 {"--version", CliRequest::Action::Version},
                 {"--list-zones", CliRequest::Action::ListZones}};
    for (const auto& c : cases) {
        const auto parsed = ParseCommandLine(Args({c.option}));
        ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed)) << c.option;
        EXPECT_EQ(std::get<CliRequest>(parsed).action, c.action) << c.option;
    }
}

// What the window's lists cannot produce is a usage error naming the option.
TEST(ParseCommandLine, UsageErrorsNameTheOption)
{
    const struct {
        const char* option;
        const char* value;
        const char* named;
    } cases[] = {
        {"--date", "1900-12-31", "--date"}, {"--date", "2051-01-01", "--date"}, {"--date", "1990-13-01", "--date"},
        {"--date", "1990-00-10", "--date"}, {"--date", "1990-01-32", "--date"}, {"--date", "1990-01-00", "--date"},
        {"--date", "1990/07/04", "--date"}, {"--date", "90-07-04", "--date"},   {"--date", "1990-7", "--date"},
        {"--time", "24:00", "--time"},      {"--time", "12:60", "--time"},      {"--time", "12:30:60", "--time"},
        {"--time", "12", "--time"},         {"--time", "12:3x", "--time"},      {"--time", "-1:30", "--time"},
        {"--lon", "72:50", "--lon"},        {"--lon", "72:50N", "--lon"},       {"--lon", "72.5E", "--lon"},
        {"--lon", "-72:50E", "--lon"},      {"--lat", "18:57E", "--lat"},       {"--lat", "", "--lat"},
        {"--zone", "71", "--zone"},         {"--zone", "-1", "--zone"},         {"--zone", "Mars Time", "--zone"},
        {"--zone", "indian time, ist +5.3", "--zone"}, {"--lat", "18:57ſ", "--lat"},   // long s, capital S
    };
    for (const auto& c : cases) {
        const QString option = QString::fromUtf8(c.option);
        QStringList args = MaryAnnWithout(option);
        args << option << QString::fromUtf8(c.value);
        const auto parsed = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.option << ' ' << c.value;
        EXPECT_TRUE(std::get<UsageError>(parsed).message.startsWith(QString::fromUtf8(c.named)))
            << std::get<UsageError>(parsed).message.toStdString();
    }
}

TEST(ParseCommandLine, ZoneItemInAnyCaseAndCoordinateUsage)
{
    // Items as --list-zones prints them, typed in other capitals.
    const struct {
        const char* item;
        int index;
    } zones[] = {{"indian time, ist, +5.3", 34}, {"GREENWICH MEAN TIME,GMT,0.0", 29}, {"brazil zone 2,bzt2,-3.0", 14}};
    for (const auto& z : zones) {
        QStringList args = MaryAnnWithout(QStringLiteral("--zone"));
        args << QStringLiteral("--zone") << QString::fromUtf8(z.item);
        const auto parsed = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed)) << z.item;
        EXPECT_TRUE(std::get<CliRequest>(parsed).birth.Clock == (engine::BirthClockKind{engine::ListZoneClock{z.index, false}}))
            << z.item;
    }
    QStringList args = MaryAnnWithout(QStringLiteral("--lon"));
    args << QStringLiteral("--lon") << QStringLiteral("72:50");
    const auto parsed = ParseCommandLine(args);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed).message, QStringLiteral("--lon: expected DEG:MIN followed by E or W, got '72:50'"));
}

TEST(ParseCommandLine, UnknownOptionsMissingPartsAndStrayArguments)
{
    const auto unknown = ParseCommandLine(Args({"--date", "1990-07-04", "--time", "06:30", "--planet", "Mars"}));
    ASSERT_TRUE(std::holds_alternative<UsageError>(unknown));
    EXPECT_TRUE(std::get<UsageError>(unknown).message.contains(QStringLiteral("planet")));

    const auto noDate = ParseCommandLine(Args({"--time", "06:30"}));
    ASSERT_TRUE(std::holds_alternative<UsageError>(noDate));
    EXPECT_TRUE(std::get<UsageError>(noDate).message.startsWith(QStringLiteral("--date")));

    const auto noTime = ParseCommandLine(Args({"--date", "1990-07-04"}));
    ASSERT_TRUE(std::holds_alternative<UsageError>(noTime));
    EXPECT_TRUE(std::get<UsageError>(noTime).message.startsWith(QStringLiteral("--time")));

    const auto stray = ParseCommandLine(Args({"--date", "1990-07-04", "--time", "06:30", "extra"}));
    ASSERT_TRUE(std::holds_alternative<UsageError>(stray));

    const auto twice = ParseCommandLine(Args({"--date", "1990-07-04", "--date", "1990-07-05", "--time", "06:30"}));
    ASSERT_TRUE(std::holds_alternative<UsageError>(twice));
    EXPECT_TRUE(std::get<UsageError>(twice).message.startsWith(QStringLiteral("--date")));
}

TEST(ParseCommandLine, AMissingOptionIsAUsageErrorNamingIt)
{
    const struct {
        const char* option;
        const char* message;
    } cases[] = {
        {"--name", "--name: missing; give the person's name (letters and blanks)"},
        {"--lon", "--lon: missing; give DEG:MIN followed by E or W"},
        {"--lat", "--lat: missing; give DEG:MIN followed by N or S"},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseCommandLine(MaryAnnWithout(QString::fromUtf8(c.option)));
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.option;
        EXPECT_EQ(std::get<UsageError>(parsed).message, QString::fromUtf8(c.message));
    }
}

TEST(Echo, AtMostSixtyCharactersWithWhatActsOnATerminalEscaped)
{
    const QString a59(59, u'a');
    const struct {
        QString given;
        QString shown;
    } cases[] = {
        {QStringLiteral("1990-07-04"), QStringLiteral("1990-07-04")},
        {QStringLiteral("a\nb\x7f\u0085\u202e\u2028"), QStringLiteral("a\\x0ab\\x7f\\x85\\u202e\\u2028")},
        {a59 + u'b', a59 + u'b'},
        {a59 + QStringLiteral("bc"), a59 + QStringLiteral("b…")},
        {a59 + QStringLiteral("\x1b\x1b"), a59 + QStringLiteral("\\x1b…")},
        {a59 + QStringLiteral("😀😀"), a59 + QStringLiteral("😀…")},   // beyond 16 bits: one character, unsplit
    };
    for (const auto& c : cases)
        EXPECT_EQ(Echo(c.given), c.shown) << c.given.toStdString();
}

// What the user gave comes back in a message cut short and escaped.
TEST(ParseCommandLine, WhatTheUserGaveIsEchoedSafely)
{
    const QString escapes = QStringLiteral("\x1b]0;x\a\x1b[2J");
    const QString shown = QStringLiteral("\\x1b]0;x\\x07\\x1b[2J");
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {MaryAnnWithout(QStringLiteral("--date")) << QStringLiteral("--date") << escapes,
         QStringLiteral("--date: expected YYYY-MM-DD, got '%1'").arg(shown)},
        {Args(kMaryAnn) << QStringLiteral("--") + escapes, QStringLiteral("unknown option '%1'").arg(shown)},
        {MaryAnnWithout(QStringLiteral("--zone")) << QStringLiteral("--zone") << QString(128 * 1024, u'Z'),
         QStringLiteral("--zone: unknown zone '%1…' (see --list-zones)").arg(QString(60, u'Z'))},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.message.toStdString();
        EXPECT_EQ(std::get<UsageError>(parsed).message, c.message);
    }
}

}  // namespace
}  // namespace lunarys::cli
