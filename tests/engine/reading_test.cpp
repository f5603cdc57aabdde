#include "engine/reading.h"
#include "engine/house.h"

#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include "support/angles.h"
#include "support/worked_example.h"

namespace lunarys::engine {
namespace {

using lunarys::testing::AngleNear;

using lunarys::testing::MaryAnn;

TEST(RunReading, WorkedExampleOf4July1990)
{
    ChartState chart;
    ASSERT_FALSE(RunReading(MaryAnn(), chart).has_value());
    EXPECT_EQ(chart.TimeZoneHours, -5);
    EXPECT_EQ(chart.TimeZoneMinutes, -30);
    EXPECT_TRUE(AngleNear(chart.SunLongitude, 101.820, 0.0005));
    EXPECT_EQ(chart.SunLongitudeWhole, 101);
    EXPECT_EQ(chart.SunPositionText, "11\u00b0 49' 12\" Can");
    EXPECT_TRUE(AngleNear(chart.MoonLongitude, 237.208, 0.0005));
    EXPECT_EQ(chart.MoonLongitudeWhole, 237);
    EXPECT_EQ(chart.AscendantText, "16 Can 22");
    EXPECT_EQ(chart.SunSign, 3);
    EXPECT_EQ(chart.MoonSign, 7);
    EXPECT_EQ(chart.MidpointDegree, 169);
    EXPECT_EQ(chart.MidpointLabel, "19 Vir");
    EXPECT_EQ(chart.MidpointCaption, "19\u00ba Virgo");
    EXPECT_EQ(chart.MidpointSign, 5);
    EXPECT_EQ(chart.MidpointHouse, 3);
    EXPECT_EQ(chart.MidpointHouseName, "3rd House");
}

TEST(RunReading, AFailedCheckLeavesTheChartUntouched)
{
    ChartState chart;
    ASSERT_FALSE(RunReading(MaryAnn(), chart).has_value());
    const ChartState before = chart;
    BirthInput bad = MaryAnn();
    bad.Year = 1901;
    bad.MonthIndex = 1;
    bad.DayIndex = 28;
    const auto problem = RunReading(bad, chart);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->Message, QString::fromLatin1(messages::FebruaryDate));
    EXPECT_EQ(chart, before);
}

// Nothing of an earlier reading survives into a later one.
TEST(RunReading, ASecondReadingEqualsAFreshOne)
{
    BirthInput other = MaryAnn();
    other.Year = 1955;
    other.MonthIndex = 0;
    other.DayIndex = 0;
    other.Hour = 23;
    other.Minute = 59;
    other.ZoneIndex = 44;
    other.DaylightSaving = true;
    other.LongitudeIsEast = false;
    other.LatitudeIsSouth = true;
    ChartState reused;
    ASSERT_FALSE(RunReading(MaryAnn(), reused).has_value());
    ASSERT_FALSE(RunReading(other, reused).has_value());
    ChartState fresh;
    ASSERT_FALSE(RunReading(other, fresh).has_value());
    EXPECT_EQ(reused, fresh);
}

// The same instant written in another zone, or with daylight saving, gives
// the same chart: Sun, Moon and ascendant all use one universal time, also for
// a place west of Greenwich on central European time.
TEST(RunReading, OneUniversalTimeForTheWholeChart)
{
    BirthInput gmt = MaryAnn();
    gmt.ZoneIndex = 29;
    gmt.Hour = 11;
    gmt.Minute = 0;
    gmt.LongitudeDegrees = QStringLiteral("3");
    gmt.LongitudeMinutes = QStringLiteral("42");
    gmt.LongitudeIsEast = false;
    gmt.LatitudeDegrees = QStringLiteral("40");
    gmt.LatitudeMinutes = QStringLiteral("25");

    BirthInput cet = gmt;
    cet.ZoneIndex = 20;   // Central European Time, UTC+1
    cet.Hour = 12;
    BirthInput cest = gmt;
    cest.ZoneIndex = 20;
    cest.Hour = 13;
    cest.DaylightSaving = true;
    BirthInput india = gmt;
    india.ZoneIndex = 34;
    india.Hour = 16;
    india.Minute = 30;

    ChartState reference;
    ASSERT_FALSE(RunReading(gmt, reference).has_value());
    for (const BirthInput* in : {&cet, &cest, &india}) {
        ChartState chart;
        ASSERT_FALSE(RunReading(*in, chart).has_value());
        EXPECT_NEAR(chart.SunLongitude, reference.SunLongitude, 1e-9);
        EXPECT_NEAR(chart.MoonLongitude, reference.MoonLongitude, 1e-9);
        EXPECT_NEAR(chart.AscendantLongitude, reference.AscendantLongitude, 1e-9);
        EXPECT_EQ(chart.AscendantText, reference.AscendantText);
    }
}

// Madrid at noon, 1 July 1990, CET + summer time (10:00 UT): the ascendant
// of that instant lies in early Libra; a local-time-as-UT mistake would put
// it about 30 degrees off.
TEST(RunReading, MadridAscendantAtTheRightInstant)
{
    BirthInput madrid = MaryAnn();
    madrid.MonthIndex = 6;
    madrid.DayIndex = 0;
    madrid.Hour = 12;
    madrid.Minute = 0;
    madrid.ZoneIndex = 20;
    madrid.DaylightSaving = true;
    madrid.LongitudeDegrees = QStringLiteral("3");
    madrid.LongitudeMinutes = QStringLiteral("42");
    madrid.LongitudeIsEast = false;
    madrid.LatitudeDegrees = QStringLiteral("40");
    madrid.LatitudeMinutes = QStringLiteral("25");
    ChartState chart;
    ASSERT_FALSE(RunReading(madrid, chart).has_value());
    // Sidereal time at Greenwich at 10:00 UT on 1990-07-01 is about 4h 37m
    // (IAU 1982 GMST), so RAMC is about 65.5 degrees at 3.7 W; with an
    // obliquity of 23.44 and latitude 40.42 N the ascendant is about 160.5.
    EXPECT_TRUE(AngleNear(chart.AscendantLongitude, 160.5, 0.5)) << chart.AscendantLongitude;
}

TEST(MidpointOf, TheNearMidpointOnTheShorterArc)
{
    const struct {
        int sun, moon, midpoint;
    } cases[] = {
        {10, 20, 15},  {180, 181, 180}, {30, 31, 30},   {1, 4, 2},     {3, 4, 4},
        {350, 10, 0},  {359, 1, 0},     {300, 100, 20}, {100, 300, 20}, {0, 180, 90},
        {0, 181, 270}, {101, 237, 169}, {359, 359, 359}, {0, 0, 0},    {200, 10, 285},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MidpointOf(c.sun, c.moon), c.midpoint) << c.sun << " + " << c.moon;
}

TEST(MidpointOf, EveryPairLiesHalfwayAndEverySignIsReached)
{
    bool signSeen[12] = {};
    for (int s = 0; s < 360; ++s) {
        for (int m = 0; m < 360; ++m) {
            const int mid = MidpointOf(s, m);
            ASSERT_TRUE(mid >= 0 && mid < 360);
            const double toSun = lunarys::testing::AngleGap(mid, s);
            const double toMoon = lunarys::testing::AngleGap(mid, m);
            ASSERT_LE(std::fabs(toSun - toMoon), 1.0) << s << ' ' << m << " -> " << mid;
            ASSERT_LE(toSun + toMoon, 181.0) << s << ' ' << m << " -> " << mid;
            signSeen[mid / 30] = true;
        }
    }
    for (int sign = 0; sign < 12; ++sign)
        EXPECT_TRUE(signSeen[sign]) << sign;
}

// A midpoint's label, caption and sign name the sign that holds its degree.
TEST(FormMidpoint, LabelCaptionSignAndHouseAgreeWithTheDegree)
{
    const struct {
        int sun, moon;
        const char *label, *caption;
        int sign;
        int house;   // ascendant 16 Can
    } cases[] = {
        {10, 20, "15 Ari", "15\u00ba Aries", 0, 9},
        {30, 31, "00 Tau", "0\u00ba Taurus", 1, 10},
        {180, 181, "00 Lib", "0\u00ba Libra", 6, 3},
        {350, 10, "00 Ari", "0\u00ba Aries", 0, 9},
        {0, 0, "00 Ari", "0\u00ba Aries", 0, 9},
        {359, 359, "29 Pis", "29\u00ba Pisces", 11, 9},
        {101, 237, "19 Vir", "19\u00ba Virgo", 5, 3},
        {120, 121, "00 Leo", "0\u00ba Leo", 4, 1},
    };
    for (const auto& c : cases) {
        ChartState chart;
        FillDegreeSigns(chart.DegreeSign);
        chart.SunLongitudeWhole = c.sun;
        chart.MoonLongitudeWhole = static_cast<std::int16_t>(c.moon);
        chart.AscendantText = "16 Can 22";
        FormMidpoint(chart);
        EXPECT_EQ(chart.MidpointLabel, c.label) << c.sun << '/' << c.moon;
        EXPECT_EQ(chart.MidpointCaption, c.caption) << c.sun << '/' << c.moon;
        EXPECT_EQ(chart.MidpointSign, c.sign) << c.sun << '/' << c.moon;
        EXPECT_EQ(chart.MidpointHouse, c.house) << c.sun << '/' << c.moon;
        EXPECT_EQ(chart.MidpointHouseName, std::string(Houses[c.house - 1].Name));
    }
}

// Over a sweep of births every part of the reading is found.
TEST(RunReading, EveryBirthHasSignsAndAHouse)
{
    for (int year = 1901; year <= 2050; year += 7) {
        for (int month = 0; month < 12; month += 2) {
            BirthInput in = MaryAnn();
            in.Year = year;
            in.MonthIndex = month;
            in.DayIndex = (year * 7 + month) % 28;
            in.Hour = (year + month) % 24;
            in.ZoneIndex = (year + month) % 71;
            in.LatitudeIsSouth = year % 2 == 0;
            in.LongitudeIsEast = month % 4 == 0;
            ChartState chart;
            ASSERT_FALSE(RunReading(in, chart).has_value());
            EXPECT_NE(chart.SunSign, NoSign) << year << '/' << month;
            EXPECT_NE(chart.MoonSign, NoSign) << year << '/' << month;
            EXPECT_NE(chart.MidpointSign, NoSign) << year << '/' << month;
            EXPECT_GE(chart.MidpointHouse, 1);
            EXPECT_EQ(chart.SunSign, static_cast<int>(chart.SunLongitudeWhole) / 30);
        }
    }
}

}  // namespace
}  // namespace lunarys::engine
