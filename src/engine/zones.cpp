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

int ZoneIndexOfItem(std::string_view item)
{
    for (std::size_t i = 0; i < Zones.size(); ++i)
        if (Zones[i].Item == item)
            return static_cast<int>(i);
    return -1;
}

}  // namespace lunarys::engine
