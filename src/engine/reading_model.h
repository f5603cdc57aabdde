#pragma once

#include <optional>

#include <QString>

#include "astro/birth_moment.h"
#include "engine/birth_input.h"
#include "engine/zodiac.h"

namespace lunarys::engine {

// The birth as the user gave it, for everything that shows or keeps a reading.
struct BirthDetails {
    QString Name;   // in capitals, as the reading shows it
    int Year = 0;
    int Month = 0;  // 1..12
    int Day = 0;
    int Hour = 0;   // local clock time
    int Minute = 0;
    int ZoneIndex = -1;           // the zone list's item; -1 when none was chosen
    bool DaylightSaving = false;  // the box as it was ticked
    int LongitudeDegrees = 0;
    int LongitudeMinutes = 0;
    bool LongitudeIsEast = true;
    int LatitudeDegrees = 0;
    int LatitudeMinutes = 0;
    bool LatitudeIsSouth = false;
    QString City;
    QString State;
    QString Country;
    std::optional<AtlasPlace> Place;  // the atlas's place, when one was chosen
};

// How the local clock time became universal time.
struct ClockUsed {
    // The amount added to local time (zero or negative east of Greenwich),
    // hours and minutes with the same sign: for a list zone before daylight
    // saving, for a database clock the whole offset.
    int ZoneHours = 0;
    int ZoneMinutes = 0;
    // Daylight saving was in force: for a list zone the box, one more hour
    // taken off; for a database clock already in the offset.
    bool DaylightSaving = false;
    int UtcOffsetMinutes = 0;     // local minus universal time, all included
    astro::CivilDateTime UniversalTime;
    QString TimeZone;             // the time-zone database's name, empty for a list zone
    QString Note;                 // what the user should know about the clock, if anything
};

// A body's tropical longitude of the date.
struct BodyPosition {
    double Longitude = 0;  // degrees, [0, 360)
    int Whole = 0;         // the floor of Longitude
    engine::Sign Sign = engine::Sign::Aries;
};

struct MidpointPosition {
    int Degree = 0;            // whole degrees 0..359
    engine::Sign Sign = engine::Sign::Aries;  // the sign that holds that longitude
    int DegreeInSign() const { return Degree % 30; }
};

// Local clock minutes of the birth day, 0..1439, both ends included.
struct MinuteSpan {
    int From = 0;
    int To = 0;
    friend bool operator==(const MinuteSpan&, const MinuteSpan&) = default;
};

// One reading: the birth, the clock, the positions and what they give.
struct Reading {
    BirthDetails Birth;
    ClockUsed Clock;
    BodyPosition Sun;
    BodyPosition Moon;
    double AscendantLongitude = 0;  // degrees, [0, 360)
    MidpointPosition Midpoint;
    int House = 1;                  // 1..12, the equal house that holds the midpoint
    // The birth times of the day that give the same Sun, Moon and midpoint
    // signs and house; none when the clock skipped the birth minute.
    std::optional<MinuteSpan> Holds;
};

}  // namespace lunarys::engine
