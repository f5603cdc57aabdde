#pragma once

namespace lunarys::places {

struct BirthClock;

// How the zone list and the Daylight Saving Time box show a clock: the item of
// its standard offset and the box ticked for daylight time. `exact` tells
// whether the two together give the clock's offset; where they cannot (Nepal's
// +5:45, Indian war time, British double summer time, local mean time) the
// reading takes the database's offset all the same.
struct ZoneChoice {
    int zoneIndex = -1;  // -1: no item has the standard offset
    bool daylightSaving = false;
    bool exact = false;

    friend bool operator==(const ZoneChoice&, const ZoneChoice&) = default;
};

ZoneChoice ZoneChoiceFor(const BirthClock& clock);

}  // namespace lunarys::places
