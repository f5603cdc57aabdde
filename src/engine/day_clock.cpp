#include "engine/day_clock.h"

#include "engine/chart_state.h"

namespace lunarys::engine {

std::optional<ClockSetting> DayClock::At(int minuteOfDay) const
{
    for (const ClockPiece& piece : Pieces)
        if (minuteOfDay >= piece.From && minuteOfDay <= piece.To)
            return piece.Setting;
    return std::nullopt;
}

DayClock FixedOffsetClock(const ChartState& chart)
{
    return {{{0, MinutesPerDay - 1, {chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving}}}};
}

}  // namespace lunarys::engine
