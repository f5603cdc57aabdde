#include "engine/reading.h"

#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include "support/angles.h"
#include "support/reading.h"
#include "support/worked_example.h"

namespace lunarys::engine {
namespace {

using lunarys::testing::AngleNear;

using lunarys::testing::MaryAnn;
using lunarys::testing::MustRead;

TEST(RunReading, WorkedExampleOf4July1990)
{
    ChartState chart;
    const Reading reading = MustRead(MaryAnn(), chart);
    EXPECT_EQ(chart.TimeZoneHours, -5);
    EXPECT_EQ(chart.TimeZoneMinutes, -30);
    EXPECT_TRUE(AngleNear(chart.SunLongitude, 101.820, 0.0005));
    EXPECT_EQ(chart.SunLongitudeWhole, 101);
    EXPECT_TRUE(AngleNear(chart.MoonLongitude, 237.208, 0.0005));
    EXPECT_EQ(chart.MoonLongitudeWhole, 237);
    EXPECT_EQ(chart.SunSign, Sign::Cancer);
    EXPECT_EQ(chart.MoonSign, Sign::Scorpio);
    EXPECT_EQ(chart.MidpointDegree, 169);
    EXPECT_EQ(chart.MidpointSign, Sign::Virgo);
    EXPECT_EQ(chart.MidpointHouse, 3);

    // The reading carries the same results, the birth and the clock.
    EXPECT_EQ(reading.Sun.Whole, 101);
    EXPECT_EQ(reading.Sun.Sign, Sign::Cancer);
    EXPECT_EQ(reading.Moon.Sign, Sign::Scorpio);
    EXPECT_TRUE(AngleNear(reading.AscendantLongitude, 106.383, 0.0005));
    EXPECT_EQ(reading.Midpoint.Degree, 169);
    EXPECT_EQ(reading.Midpoint.DegreeInSign(), 19);
    EXPECT_EQ(ElementOf(reading.Midpoint.Sign), Element::Earth);
    EXPECT_EQ(TemperamentOf(reading.Midpoint.Sign), Temperament::Sanguine);
    EXPECT_EQ(reading.House, 3);
    EXPECT_EQ(reading.Birth.Name, QStringLiteral("MARY ANN"));
    EXPECT_EQ(reading.Birth.Month, 7);
    EXPECT_EQ(reading.Birth.LongitudeDegrees, 72);
    EXPECT_EQ(reading.Clock.UtcOffsetMinutes, 330);
    EXPECT_EQ(reading.Clock.UniversalTime, (astro::CivilDateTime{1990, 7, 4, 1, 0}));
}

TEST(RunReading, AFailedCheckLeavesTheChartUntouched)
{
    ChartState chart;
    MustRead(MaryAnn(), chart);
    const ChartState before = chart;
    BirthInput bad = MaryAnn();
    bad.Year = 1901;
    bad.MonthIndex = 1;
    bad.DayIndex = 28;
    const auto outcome = RunReading(bad, chart);
    const auto* problem = std::get_if<InputProblem>(&outcome);
    ASSERT_NE(problem, nullptr);
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
    MustRead(MaryAnn(), reused);
    MustRead(other, reused);
    ChartState fresh;
    MustRead(other, fresh);
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

    const Reading reference = MustRead(gmt);
    for (const BirthInput* in : {&cet, &cest, &india}) {
        const Reading reading = MustRead(*in);
        EXPECT_NEAR(reading.Sun.Longitude, reference.Sun.Longitude, 1e-9);
        EXPECT_NEAR(reading.Moon.Longitude, reference.Moon.Longitude, 1e-9);
        EXPECT_NEAR(reading.AscendantLongitude, reference.AscendantLongitude, 1e-9);
        EXPECT_EQ(reading.House, reference.House);
        EXPECT_EQ(reading.Clock.UniversalTime, reference.Clock.UniversalTime);
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
    MustRead(madrid, chart);
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

// A midpoint's sign is the sign that holds its degree.
TEST(FormMidpoint, SignAndHouseAgreeWithTheDegree)
{
    const struct {
        int sun, moon;
        Sign sign;
        int house;   // ascendant 16 Can 22
    } cases[] = {
        {10, 20, Sign::Aries, 9},    {30, 31, Sign::Taurus, 10},   {180, 181, Sign::Libra, 3},
        {350, 10, Sign::Aries, 9},   {0, 0, Sign::Aries, 9},       {359, 359, Sign::Pisces, 9},
        {101, 237, Sign::Virgo, 3},  {120, 121, Sign::Leo, 1},
    };
    for (const auto& c : cases) {
        ChartState chart;
        FillDegreeSigns(chart.DegreeSign);
        chart.SunLongitudeWhole = c.sun;
        chart.MoonLongitudeWhole = static_cast<std::int16_t>(c.moon);
        chart.AscendantLongitude = 106.383;
        FormMidpoint(chart);
        EXPECT_EQ(chart.MidpointSign, c.sign) << c.sun << '/' << c.moon;
        EXPECT_EQ(chart.MidpointHouse, c.house) << c.sun << '/' << c.moon;
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
            const Reading reading = MustRead(in);
            EXPECT_GE(reading.House, 1);
            EXPECT_LE(reading.House, 12);
            EXPECT_EQ(IndexOf(reading.Sun.Sign), reading.Sun.Whole / 30);
            EXPECT_EQ(IndexOf(reading.Moon.Sign), reading.Moon.Whole / 30);
            EXPECT_EQ(IndexOf(reading.Midpoint.Sign), reading.Midpoint.Degree / 30);
        }
    }
}

}  // namespace
}  // namespace lunarys::engine
