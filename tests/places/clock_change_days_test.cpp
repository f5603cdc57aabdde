// Every day on which some zone's clocks changed, 1901-2050, through the
// birth-time ranges: the odd days (a zone moving across the date line skips a
// whole day; offsets of minutes and seconds; changes at midnight) are where
// the day's minutes are counted wrong, if anywhere.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <utility>

#include <QTimeZone>

#include <gtest/gtest.h>

#include "engine/birth_time_ranges.h"
#include "engine/chart_state.h"
#include "engine/reading.h"
#include "places/day_clock_history.h"

namespace lunarys::places {
namespace {

using Day = std::pair<QByteArray, QDate>;

// Every day takes a few seconds; under the sanitizers, some twenty times
// slower, one day in this many is taken, and every day of a move across the
// date line.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kEvery = 16;
#else
constexpr std::size_t kEvery = 1;
#endif
constexpr int kDateLineMoveSecs = 12 * 3600;

// The local dates on which each zone's offset changed, found from its
// transitions: the dates of the last second before and the first second
// after each change, and every date between (those a jump forward skipped).
std::set<Day> ClockChangeDays()
{
    const QDate first(1901, 1, 1);
    const QDate last(2050, 12, 31);
    std::set<Day> days;
    std::size_t count = 0;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QTimeZone zone(id);
        // nextTransition() rather than transitions(): the latter stops at the
        // zone file's last listed change (2037) in Qt 6.4.
        QDateTime at(first.addDays(-2), QTime(0, 0), Qt::UTC);
        int before = zone.offsetFromUtc(at);
        for (;;) {
            const QTimeZone::OffsetData next = zone.nextTransition(at);
            if (!next.atUtc.isValid() || next.atUtc <= at || next.atUtc.date() > last.addDays(2))
                break;
            const QDate from = next.atUtc.addSecs(before - 1).date();
            const QDate to = next.atUtc.addSecs(next.offsetFromUtc).date();
            const bool dateLine = std::abs(next.offsetFromUtc - before) >= kDateLineMoveSecs;
            for (QDate d = std::min(from, to); d <= std::max(from, to); d = d.addDays(1))
                if (d >= first && d <= last && (count++ % kEvery == 0 || dateLine))
                    days.insert({id, d});
            before = next.offsetFromUtc;
            at = next.atUtc;
        }
    }
    return days;
}

// The ranges of every such day cover exactly the minutes its clock has, in
// order; the range that holds a birth minute is the day's range of that
// minute (found by the other search, from the minute outwards); a day the
// clock skipped whole has neither.
TEST(ClockChangeDays, RangesCoverTheClockOfEveryDay)
{
    const std::set<Day> days = ClockChangeDays();
    ASSERT_GT(days.size(), 10000u / kEvery);
    std::set<Day> skipped;
    for (const auto& [zone, date] : days) {
        const engine::DayClock clock = DayClockAt(zone, date);
        engine::ChartState chart;
        chart.BirthYear = static_cast<std::int16_t>(date.year());
        chart.BirthMonth = static_cast<std::int16_t>(date.month());
        chart.BirthDay = static_cast<std::int16_t>(date.day());
        chart.LatitudeDegrees = 40;
        chart.LongitudeDegrees = 100;
        const std::vector<engine::TimeRange> ranges = engine::RangesOfDay(chart, clock);
        const std::string what = zone.toStdString() + " " + date.toString(Qt::ISODate).toStdString();
        if (clock.Pieces.empty()) {
            ASSERT_TRUE(ranges.empty()) << what;
            chart.BirthHour = 12;
            ASSERT_EQ(engine::RangeHolding(chart, clock), std::nullopt) << what;
            skipped.insert({zone, date});
            continue;
        }
        ASSERT_FALSE(ranges.empty()) << what;
        ASSERT_EQ(ranges.front().From, clock.Pieces.front().From) << what;
        ASSERT_EQ(ranges.back().To, clock.Pieces.back().To) << what;
        for (std::size_t i = 1; i < ranges.size(); ++i)
            ASSERT_LT(ranges[i - 1].To, ranges[i].From) << what;
        // The first minute after the day's last change.
        const engine::ClockPiece& piece = clock.Pieces.back();
        chart.BirthHour = static_cast<std::int16_t>(piece.From / 60);
        chart.BirthMinute = static_cast<std::int16_t>(piece.From % 60);
        chart.TimeZoneHours = piece.Setting.ZoneHours;
        chart.TimeZoneMinutes = piece.Setting.ZoneMinutes;
        engine::ComputeChart(chart);
        const auto holding = engine::RangeHolding(chart, clock);
        ASSERT_TRUE(holding) << what;
        ASSERT_NE(std::find(ranges.begin(), ranges.end(), *holding), ranges.end()) << what;
    }
    // Samoa and Tokelau went from west of the date line to east of it, the
    // Line Islands and Kwajalein earlier; each left out a day.
    for (const Day& day : {Day{"Pacific/Apia", QDate(2011, 12, 30)}, Day{"Pacific/Fakaofo", QDate(2011, 12, 30)},
                           Day{"Pacific/Kiritimati", QDate(1994, 12, 31)},
                           Day{"Pacific/Kwajalein", QDate(1993, 8, 21)}})
        EXPECT_TRUE(skipped.contains(day)) << day.first.toStdString();
    EXPECT_LE(skipped.size(), 8u);
}

}  // namespace
}  // namespace lunarys::places
