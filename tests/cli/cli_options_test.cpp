#include "cli/cli_options.h"

#include <gtest/gtest.h>

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

TEST(ParseCommandLine, TheWorkedExample)
{
    const auto parsed = ParseCommandLine(Args(kMaryAnn));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed));
    const CliRequest& r = std::get<CliRequest>(parsed);
    EXPECT_EQ(r.action, CliRequest::Action::Reading);
    EXPECT_EQ(r.output.format, OutputFormat::Text);
    EXPECT_EQ(r.output.file, QString());
    EXPECT_EQ(r.input.Name, QStringLiteral("Mary Ann"));
    EXPECT_EQ(r.input.Year, 1990);
    EXPECT_EQ(r.input.MonthIndex, 6);
    EXPECT_EQ(r.input.DayIndex, 3);
    EXPECT_EQ(r.input.Hour, 6);
    EXPECT_EQ(r.input.Minute, 30);
    EXPECT_EQ(r.input.ZoneIndex, 34);
    EXPECT_EQ(r.input.LongitudeDegrees, QStringLiteral("72"));
    EXPECT_EQ(r.input.LongitudeMinutes, QStringLiteral("50"));
    EXPECT_TRUE(r.input.LongitudeIsEast);
    EXPECT_EQ(r.input.LatitudeDegrees, QStringLiteral("18"));
    EXPECT_EQ(r.input.LatitudeMinutes, QStringLiteral("57"));
    EXPECT_FALSE(r.input.LatitudeIsSouth);
    EXPECT_FALSE(r.input.DaylightSaving);
}

TEST(ParseCommandLine, OptionalPartsAndTheirDefaults)
{
    const auto parsed = ParseCommandLine(Args({"--date", "2000-02-29", "--time", "23:59:59", "--lon", "3:42w",
                                               "--lat", "33:55s", "--zone", "Indian Time, IST, +5.3", "--dst",
                                               "--json"}));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(parsed));
    const CliRequest& r = std::get<CliRequest>(parsed);
    EXPECT_EQ(r.output.format, OutputFormat::Json);
    EXPECT_TRUE(r.input.DaylightSaving);
    EXPECT_EQ(r.input.ZoneIndex, 34);
    EXPECT_EQ(r.input.Hour, 23);
    EXPECT_EQ(r.input.Minute, 59);
    EXPECT_FALSE(r.input.LongitudeIsEast);
    EXPECT_TRUE(r.input.LatitudeIsSouth);
    EXPECT_TRUE(r.input.Name.isEmpty());

    const auto noZone = ParseCommandLine(Args({"--date", "2000-01-01", "--time", "0:0"}));
    ASSERT_TRUE(std::holds_alternative<CliRequest>(noZone));
    EXPECT_EQ(std::get<CliRequest>(noZone).input.ZoneIndex, 29);
    EXPECT_TRUE(std::get<CliRequest>(noZone).input.LongitudeDegrees.isEmpty());
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
        {"--zone", "indian time, ist, +5.3", "--zone"},
    };
    for (const auto& c : cases) {
        const QString option = QString::fromUtf8(c.option);
        QStringList args;
        if (option != QStringLiteral("--date"))
            args << QStringLiteral("--date") << QStringLiteral("1990-07-04");
        if (option != QStringLiteral("--time"))
            args << QStringLiteral("--time") << QStringLiteral("06:30");
        args << option << QString::fromUtf8(c.value);
        const auto parsed = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.option << ' ' << c.value;
        EXPECT_TRUE(std::get<UsageError>(parsed).message.startsWith(QString::fromUtf8(c.named)))
            << std::get<UsageError>(parsed).message.toStdString();
    }
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

}  // namespace
}  // namespace lunarys::cli
