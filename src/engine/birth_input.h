#pragma once

#include <optional>

#include <QString>

#include "engine/day_clock.h"
#include "engine/zones.h"

namespace lunarys::engine {

// A clock that the front end read from the time-zone database for the birth's
// place, date and time. When given, the reading takes its offset instead of
// the zone list's item and the Daylight Saving Time box.
struct GivenClock {
    int OffsetMinutes = 0;        // local minus universal time, daylight saving included
    bool DaylightSaving = false;  // daylight saving was in force (already in the offset)
    QString TimeZone;             // the database's name, e.g. "Europe/Madrid"
    QString Note;                 // the one line that says which clock this is
    // The clock of the whole birth day, for the birth times that give the
    // same reading; without it the offset above counts for the whole day.
    std::optional<DayClock> Day;

    friend bool operator==(const GivenClock&, const GivenClock&) = default;
};

// A birthplace taken from the atlas: its names, its time zone, and its
// coordinates in the atlas's decimal degrees, north and east positive. The
// reading itself goes by the coordinate boxes, rounded from these.
struct AtlasPlace {
    QString Name;
    QString State;
    QString Country;
    QString TimeZone;
    double Latitude = 0;
    double Longitude = 0;

    friend bool operator==(const AtlasPlace&, const AtlasPlace&) = default;
};

// The birth details as the input window holds them: list positions for the
// month and day, numbers for what the other lists offer, and the coordinate
// boxes as typed text.
struct BirthInput {
    QString Name;
    int MonthIndex = 0;   // 0 = January
    int DayIndex = 0;     // 0 = the 1st
    int Year = 1901;
    int Hour = 0;
    int Minute = 0;
    int ZoneIndex = DefaultZoneIndex;
    bool DaylightSaving = false;
    QString LongitudeDegrees;
    QString LongitudeMinutes;
    bool LongitudeIsEast = true;
    QString LatitudeDegrees;
    QString LatitudeMinutes;
    bool LatitudeIsSouth = false;
    // The place in words; the reading itself goes by the coordinates.
    QString City;
    QString State;
    QString Country;
    // The time-zone database's clock, when the front end has one; otherwise
    // the zone list and the box give the clock.
    std::optional<GivenClock> Clock;
    // The place chosen from the atlas, when one was.
    std::optional<AtlasPlace> Place;
};

}  // namespace lunarys::engine
