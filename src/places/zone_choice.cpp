#include "places/zone_choice.h"

#include "engine/zones.h"
#include "places/clock_history.h"

namespace lunarys::places {

ZoneChoice ZoneChoiceFor(const BirthClock& clock)
{
    ZoneChoice choice;
    choice.zoneIndex = engine::StandardZoneIndex(clock.standardOffsetMinutes);
    choice.daylightSaving = clock.daylightSaving;
    choice.exact = choice.zoneIndex >= 0
        && engine::ZoneOffsetMinutes(choice.zoneIndex, choice.daylightSaving) == clock.offsetMinutes;
    return choice;
}

}  // namespace lunarys::places
