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

ClockSetting SettingOfOffset(int utcOffsetMinutes)
{
    return {static_cast<std::int16_t>(-(utcOffsetMinutes / 60)), static_cast<std::int16_t>(-(utcOffsetMinutes % 60)),
            false};
}

int UtcOffsetMinutesOf(const ClockSetting& setting)
{
    return -(60 * setting.ZoneHours + setting.ZoneMinutes) + (setting.DaylightSaving ? 60 : 0);
}

DayClock FixedOffsetClock(const ChartState& chart)
{
    return {{{0, MinutesPerDay - 1, {chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving}}}};
}

}  // namespace lunarys::engine
