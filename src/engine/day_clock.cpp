#include "engine/day_clock.h"

#include <algorithm>

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

std::vector<ClockChange> DayClock::Changes() const
{
    std::vector<ClockChange> changes;
    if (Pieces.empty())
        return {{ClockChange::Kind::Skipped, 0, MinutesPerDay - 1}};
    if (Pieces.front().From > 0)
        changes.push_back({ClockChange::Kind::Skipped, 0, Pieces.front().From - 1});
    for (std::size_t i = 0; i < Pieces.size(); ++i) {
        const ClockPiece& piece = Pieces[i];
        const int next = i + 1 < Pieces.size() ? Pieces[i + 1].From : MinutesPerDay;
        if (piece.To + 1 < next) {
            changes.push_back({ClockChange::Kind::Skipped, piece.To + 1, next - 1});
        } else if (i + 1 < Pieces.size()) {
            // Put back: the minutes before the next piece's first came again.
            const int back = UtcOffsetMinutesOf(piece.Setting) - UtcOffsetMinutesOf(Pieces[i + 1].Setting);
            if (back > 0)
                changes.push_back({ClockChange::Kind::Repeated, std::max(next - back, 0), next - 1});
        }
    }
    return changes;
}

DayClock FixedOffsetClock(const ChartState& chart)
{
    return {{{0, MinutesPerDay - 1, {chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving}}}};
}

}  // namespace lunarys::engine
