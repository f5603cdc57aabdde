#pragma once

#include <optional>
#include <variant>

#include <QString>

#include "engine/day_clock.h"
#include "engine/zones.h"

namespace lunarys::engine {

// The clock of the zone list: an item and the Daylight Saving Time box, which
// takes one more hour off.
struct ListZoneClock {
    int ZoneIndex = DefaultZoneIndex;  // 0..70
    bool DaylightSaving = false;

    friend bool operator==(const ListZoneClock&, const ListZoneClock&) = default;
};

// A clock from the time-zone database: the zone's name, and what the database
// says of it at the birth's local date and time (the places module reads it;
// a birth kept with only the name has it read again when it is opened).
struct DatabaseClock {
    int UtcOffsetMinutes = 0;     // local minus universal time, daylight saving included
    bool DaylightSaving = false;  // daylight saving was in force (already in the offset)
    QString TimeZone;             // the database's name, e.g. "Europe/Madrid"
    QString Note;                 // the one line that says which clock this is
    // The clock of the whole birth day, for the birth times that give the
    // same reading; without it the offset above counts for the whole day.
    std::optional<DayClock> Day;

    friend bool operator==(const DatabaseClock&, const DatabaseClock&) = default;
};

// The clock of a birth: the zone list's or the database's.
using BirthClockKind = std::variant<ListZoneClock, DatabaseClock>;

// A birthplace taken from the atlas: its names, its time zone, and its
// coordinates in the atlas's decimal degrees, north and east positive. The
// reading itself goes by the birth's coordinates, rounded from these.
struct AtlasPlace {
    QString Name;
    QString State;
    QString Country;
    QString TimeZone;
    double Latitude = 0;
    double Longitude = 0;

    friend bool operator==(const AtlasPlace&, const AtlasPlace&) = default;
};

// One birth, typed: what a reading is computed from and what is kept of a
// person. The front ends make one from their text at their edge; the checks
// of the birth details have passed, or are still to run (CheckBirth).
struct Birth {
    QString Name;   // as given; a reading shows it in capitals
    int Year = 1901;
    int Month = 1;  // 1..12
    int Day = 1;
    int Hour = 0;   // local clock time
    int Minute = 0;
    BirthClockKind Clock;
    // Whole degrees, minutes of arc and the hemisphere.
    int LongitudeDegrees = 0;
    int LongitudeMinutes = 0;
    bool LongitudeIsEast = true;
    int LatitudeDegrees = 0;
    int LatitudeMinutes = 0;
    bool LatitudeIsSouth = false;
    // The place in words, as typed; the reading itself goes by the coordinates.
    QString City;
    QString State;
    QString Country;
    std::optional<AtlasPlace> Place;  // the atlas's place, when one was chosen

    friend bool operator==(const Birth&, const Birth&) = default;
};

// The database clock of a birth, or null for a list zone.
inline const DatabaseClock* DatabaseClockOf(const Birth& birth) { return std::get_if<DatabaseClock>(&birth.Clock); }

}  // namespace lunarys::engine
