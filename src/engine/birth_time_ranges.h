#pragma once

#include <optional>
#include <vector>

#include "engine/day_clock.h"
#include "engine/zodiac.h"

namespace lunarys::engine {

struct ChartState;

// Local clock minutes of the birth day in which the Sun sign, the Moon sign,
// the midpoint's sign and its house all stay the same.
struct TimeRange {
    int From = 0;  // first minute of the day, 0..1439
    int To = 0;    // last minute, included
    Sign Sun = Sign::Aries;
    Sign Moon = Sign::Aries;
    Sign Midpoint = Sign::Aries;
    int House = 1;
    friend bool operator==(const TimeRange&, const TimeRange&) = default;
};

// Speeds, with a margin, that the Sun and the Moon of this program's theories
// never exceed from 1901 to 2050; the search of the ranges relies on them.
inline constexpr double SunFastestDegreesPerDay = 1.05;
inline constexpr double MoonFastestDegreesPerDay = 16.0;

// The birth day of a chart (its date and place, on the given clock) split
// into such ranges, in order: every minute the clock has from 00:00 to 23:59,
// each range as long as it can be, so neighbours differ in at least one of
// the four. A range may span minutes the clock skipped. A day the clock
// skipped whole (a zone moving across the date line) has no ranges.
std::vector<TimeRange> RangesOfDay(const ChartState& chart, const DayClock& clock);

// The range that holds the chart's own birth minute; nullopt when the clock
// skipped that minute.
std::optional<TimeRange> RangeHolding(const ChartState& chart, const DayClock& clock);

}  // namespace lunarys::engine
