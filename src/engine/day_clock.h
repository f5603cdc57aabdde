#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace lunarys::engine {

struct ChartState;

inline constexpr int MinutesPerDay = 1440;

// What turns a local clock time into universal time, in the chart's terms:
// the amount added to local time (hours and minutes with the same sign) and
// the daylight-saving hour taken off.
struct ClockSetting {
    std::int16_t ZoneHours = 0;
    std::int16_t ZoneMinutes = 0;
    bool DaylightSaving = false;
    friend bool operator==(const ClockSetting&, const ClockSetting&) = default;
};

// A stretch of local minutes of the day, both ends included, that share one
// setting.
struct ClockPiece {
    int From = 0;  // 0..1439
    int To = 0;
    ClockSetting Setting;
    friend bool operator==(const ClockPiece&, const ClockPiece&) = default;
};

// The clock of the birth day: which local minutes 00:00..23:59 of the chart's
// date existed, and how each became universal time. The pieces are in order
// and do not overlap; a minute in no piece was skipped by the clock (put
// forward over it). A minute the clock went through twice (put back over it)
// belongs to the piece of its first occurrence. Universal time never runs
// backwards from one existing minute to the next.
// A change of the clock within the day: local minutes it skipped (put
// forward over them) or went through twice (put back over them), both ends
// included. A skip to midnight ends at 1439.
struct ClockChange {
    enum class Kind { Skipped, Repeated };
    Kind kind = Kind::Skipped;
    int From = 0;
    int To = 0;
    friend bool operator==(const ClockChange&, const ClockChange&) = default;
};

struct DayClock {
    std::vector<ClockPiece> Pieces;

    // The setting of a local minute of the day; nullopt when it was skipped.
    std::optional<ClockSetting> At(int minuteOfDay) const;

    // The day's clock changes, in order.
    std::vector<ClockChange> Changes() const;

    friend bool operator==(const DayClock&, const DayClock&) = default;
};

// The chart's zone values of an offset, local minus universal time in minutes:
// negated, hours and minutes with the same sign, no daylight hour on top.
ClockSetting SettingOfOffset(int utcOffsetMinutes);

// Local minus universal time in minutes of the chart's zone values, the
// daylight-saving hour included: the one way back from the chart's terms.
int UtcOffsetMinutesOf(const ClockSetting& setting);

// The zone list's clock: the chart's zone offset and daylight-saving hour for
// every minute of the day.
DayClock FixedOffsetClock(const ChartState& chart);

}  // namespace lunarys::engine
