#include "engine/zones.h"

#include "engine/chart_state.h"

namespace lunarys::engine {

void Zone_Calculation(ChartState& chart, int zoneIndex)
{
    if (zoneIndex < 0 || zoneIndex >= static_cast<int>(Zones.size()))
        return;
    chart.TimeZoneHours = Zones[static_cast<std::size_t>(zoneIndex)].Hours;
    chart.TimeZoneMinutes = Zones[static_cast<std::size_t>(zoneIndex)].Minutes;
}

int ZoneOffsetMinutes(int zoneIndex, bool daylightSaving)
{
    const Zone& zone = Zones[static_cast<std::size_t>(zoneIndex)];
    return -(zone.Hours * 60 + zone.Minutes) + (daylightSaving ? 60 : 0);
}

int StandardZoneIndex(int offsetMinutes)
{
    for (std::size_t i = 0; i < Zones.size(); ++i) {
        const std::string_view name = Zones[i].Item.substr(0, Zones[i].Item.find(','));
        const bool seasonal = name.find("Daylight") != std::string_view::npos
            || name.find("War") != std::string_view::npos || name.find("Summer") != std::string_view::npos;
        if (!seasonal && ZoneOffsetMinutes(static_cast<int>(i), false) == offsetMinutes)
            return static_cast<int>(i);
    }
    return -1;
}

int ZoneIndexOfItem(std::string_view item)
{
    for (std::size_t i = 0; i < Zones.size(); ++i)
        if (Zones[i].Item == item)
            return static_cast<int>(i);
    return -1;
}

}  // namespace lunarys::engine
