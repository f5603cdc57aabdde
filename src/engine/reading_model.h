#pragma once

#include <optional>

#include <QString>

#include "astro/birth_moment.h"
#include "engine/birth.h"
#include "engine/zodiac.h"

namespace lunarys::engine {

// How the local clock time became universal time.
struct ClockUsed {
    // The zone's offset, local minus universal time: for a list zone its
    // item's, before daylight saving; for a database clock the whole offset.
    int ZoneOffsetMinutes = 0;
    // Daylight saving was in force: for a list zone the box, one more hour
    // taken off; for a database clock already in the offset.
    bool DaylightSaving = false;
    int UtcOffsetMinutes = 0;     // local minus universal time, all included
    astro::CivilDateTime UniversalTime;
    QString TimeZone;             // the time-zone database's name, empty for a list zone
    QString Note;                 // what the user should know about the clock, if anything

    // The zone's offset as the amount added to local time to give universal
    // time (zero or negative east of Greenwich), hours and minutes with the
    // same sign, as the readings' JSON and CSV forms give it.
    int TimeZoneHours() const { return -(ZoneOffsetMinutes / 60); }
    int TimeZoneMinutes() const { return -(ZoneOffsetMinutes % 60); }
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
    engine::Birth Birth;  // the name in capitals, as the reading shows it
    ClockUsed Clock;
    BodyPosition Sun;
    BodyPosition Moon;
    double AscendantLongitude = 0;  // degrees, [0, 360)
    MidpointPosition Midpoint;
    int House = 1;                  // 1..12, the equal house that holds the midpoint
    // The birth times of the day that give the same Sun, Moon and midpoint
    // signs and house; none when the clock skipped the birth minute.
    std::optional<MinuteSpan> Holds;
    // The minutes the clock skipped when it skipped the birth minute: the
    // clocks went from From to To + 1.
    std::optional<MinuteSpan> Skipped;
};

}  // namespace lunarys::engine
