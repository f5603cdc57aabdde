#include "engine/birth_time_ranges.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "astro/moon.h"
#include "astro/sun.h"

#include "engine/reading.h"
#include "support/reading.h"
#include "support/worked_example.h"

namespace lunarys::engine {
namespace {

using lunarys::testing::MaryAnn;
using lunarys::testing::MustRead;

constexpr int kCentralEuropeanTime = 20;  // the zone list's "Central European Time,CET,+1.0"

struct Day {
    const char* what;
    BirthInput input;  // the birth minute is set per minute
    DayClock clock;    // empty: the zone list's clock of the input
    Sign TimeRange::*changingSign = nullptr;  // a sign that changes during the day
};

BirthInput Birth(int year, int month, int day, int zone, int lonDeg, int lonMin, bool east, int latDeg, int latMin,
                 bool south, bool dst = false)
{
    BirthInput in = MaryAnn();
    in.Year = year;
    in.MonthIndex = month - 1;
    in.DayIndex = day - 1;
    in.ZoneIndex = zone;
    in.DaylightSaving = dst;
    in.LongitudeDegrees = QString::number(lonDeg);
    in.LongitudeMinutes = QString::number(lonMin);
    in.LongitudeIsEast = east;
    in.LatitudeDegrees = QString::number(latDeg);
    in.LatitudeMinutes = QString::number(latMin);
    in.LatitudeIsSouth = south;
    return in;
}

// Central European clocks put forward from 02:00 to 03:00, or back from 03:00
// daylight time to 02:00 standard time, on a day of these tests' own making.
DayClock SpringForward()
{
    return {{{0, 119, {-1, 0, false}}, {180, 1439, {-1, 0, true}}}};
}
DayClock FallBack()
{
    return {{{0, 179, {-1, 0, true}}, {180, 1439, {-1, 0, false}}}};
}

TimeRange QuantitiesOf(const Reading& reading)
{
    return {0, 0, reading.Sun.Sign, reading.Moon.Sign, reading.Midpoint.Sign, reading.House};
}

// Every minute of the day read alone, as a user would enter it, against the
// ranges: the ranges cover the clock's minutes in order, hold each minute's
// signs and house, differ from their neighbours, and the reading's `Holds` is
// the range of its minute.
void ExpectRangesAgreeWithSingleReadings(const Day& day)
{
    SCOPED_TRACE(day.what);
    ChartState chart;
    MustRead(day.input, chart);
    const DayClock clock = day.clock.Pieces.empty() ? FixedOffsetClock(chart) : day.clock;
    const std::vector<TimeRange> ranges = RangesOfDay(chart, clock);
    ASSERT_FALSE(ranges.empty());
    EXPECT_EQ(ranges.front().From, clock.Pieces.front().From);
    EXPECT_EQ(ranges.back().To, clock.Pieces.back().To);
    if (day.changingSign) {
        EXPECT_NE(ranges.front().*day.changingSign, ranges.back().*day.changingSign);
    }

    std::size_t current = 0;
    int checked = 0;
    for (int minute = 0; minute < MinutesPerDay; ++minute) {
        const std::optional<ClockSetting> setting = clock.At(minute);
        if (!setting)
            continue;
        while (current < ranges.size() && ranges[current].To < minute)
            ++current;
        ASSERT_LT(current, ranges.size()) << minute;
        const TimeRange& range = ranges[current];
        ASSERT_LE(range.From, minute) << "minute " << minute << " lies in no range";

        BirthInput in = day.input;
        in.Hour = minute / 60;
        in.Minute = minute % 60;
        in.DaylightSaving = setting->DaylightSaving;
        ChartState single;
        const Reading reading = MustRead(in, single);
        ASSERT_EQ(single.TimeZoneHours, setting->ZoneHours);
        TimeRange expected = QuantitiesOf(reading);
        expected.From = range.From;
        expected.To = range.To;
        ASSERT_EQ(range, expected) << "minute " << minute;
        ASSERT_EQ(RangeHolding(single, clock), range) << "minute " << minute;
        if (day.clock.Pieces.empty()) {
            ASSERT_EQ(reading.Holds, (MinuteSpan{range.From, range.To})) << "minute " << minute;
        }
        ++checked;
    }
    int existing = 0;
    for (const ClockPiece& piece : clock.Pieces)
        existing += piece.To - piece.From + 1;
    EXPECT_EQ(checked, existing);
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        const TimeRange& a = ranges[i - 1];
        const TimeRange& b = ranges[i];
        EXPECT_TRUE(a.Sun != b.Sun || a.Moon != b.Moon || a.Midpoint != b.Midpoint || a.House != b.House)
            << "ranges ending at " << a.To << " and starting at " << b.From << " are the same";
        EXPECT_LT(a.To, b.From);
    }
}

TEST(BirthTimeRanges, AgreeMinuteByMinuteWithSingleReadings)
{
    const Day days[] = {
        {"the worked example's day in Mumbai", MaryAnn(), {}},
        {"the Moon enters Aries, Sao Paulo with daylight saving",
         Birth(1975, 2, 14, 14, 46, 38, false, 23, 33, true, true), {}, &TimeRange::Moon},
        {"the Sun enters Leo, Sydney", Birth(1990, 7, 23, 8, 151, 12, true, 33, 52, true), {}, &TimeRange::Sun},
        {"66 degrees 30 minutes north, the fastest ascendant that only moves forward",
         Birth(2020, 6, 21, 20, 25, 43, true, 66, 30, false), {}},
        {"Tromso, where the ascendant turns back", Birth(2001, 12, 21, 20, 18, 57, true, 69, 39, false), {}},
        {"clocks put forward an hour in Berlin", Birth(1985, 3, 31, kCentralEuropeanTime, 13, 24, true, 52, 31, false),
         SpringForward()},
        {"clocks put back an hour in Berlin", Birth(1985, 9, 29, kCentralEuropeanTime, 13, 24, true, 52, 31, false),
         FallBack()},
    };
    for (const Day& day : days)
        ExpectRangesAgreeWithSingleReadings(day);
}

// Beyond the polar circle the search passes over minutes in which a bound on
// the ascendant's speed says the house cannot change; every minute of these
// days, from just past the circle (where the ascendant jumps) to near the
// pole, north and south, in every season, must still agree with the minute's
// own reading.
TEST(BirthTimeRanges, AgreeWithSingleReadingsBeyondThePolarCircles)
{
    struct Latitude {
        int degrees;
        int minutes;
        bool south;
    };
    const Latitude latitudes[] = {{66, 40, false}, {70, 0, false}, {75, 30, true}, {80, 0, false}, {85, 0, true},
                                  {89, 50, false}};
    const int dates[][3] = {{1936, 3, 20}, {1968, 6, 21}, {2003, 9, 23}, {2044, 12, 21}};
    for (const Latitude& latitude : latitudes) {
        for (const auto& date : dates) {
            const BirthInput in = Birth(date[0], date[1], date[2], kCentralEuropeanTime, 15 + date[1], 20, date[2] % 2 == 0,
                                        latitude.degrees, latitude.minutes, latitude.south);
            const std::string what = std::to_string(latitude.degrees) + (latitude.south ? " S " : " N ") +
                                     std::to_string(date[0]) + "-" + std::to_string(date[1]);
            ExpectRangesAgreeWithSingleReadings({what.c_str(), in, {}});
        }
    }
    // A clock put back an hour, whose universal time jumps an hour at once.
    ExpectRangesAgreeWithSingleReadings(
        {"clocks put back an hour at Longyearbyen", Birth(1985, 9, 29, kCentralEuropeanTime, 15, 38, true, 78, 13, false),
         FallBack()});
}

// The search skips a body that cannot reach its next degree in the time, by
// these speeds: every hour's motion from 1901 to 2050, sampled every five
// hours, stays below them.
TEST(BirthTimeRanges, TheSunAndTheMoonStayBelowTheSpeedsTheSearchAssumes)
{
    constexpr double hour = 1.0 / 24;
    double sun = 0;
    double moon = 0;
    for (double day = -36525; day < 18628; day += 5 * hour) {   // days from 2000 January 1.5
        sun = std::max(sun, std::fmod(astro::SunLongitude(day + hour) - astro::SunLongitude(day) + 360, 360) / hour);
        moon = std::max(moon, std::fmod(astro::MoonLongitude((day + hour) / 36525) - astro::MoonLongitude(day / 36525) + 360,
                                        360) / hour);
    }
    EXPECT_LT(sun, SunFastestDegreesPerDay);
    EXPECT_LT(moon, MoonFastestDegreesPerDay);
    EXPECT_GT(sun, 1.01);   // the samples found the fast part of the year and of the month
    EXPECT_GT(moon, 15.0);
}

}  // namespace
}  // namespace lunarys::engine
