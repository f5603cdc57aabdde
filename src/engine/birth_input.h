#pragma once

#include <optional>

#include <QString>

#include "engine/birth.h"
#include "engine/zones.h"

namespace lunarys::engine {

// The birth details as the input window's boxes hold them: list positions for
// the month and day, numbers for what the other lists offer, and the
// coordinate boxes as typed text. The input check turns them into a Birth.
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
    // The time-zone database's clock, when the window follows a place's;
    // otherwise the zone list and the box give the clock.
    std::optional<DatabaseClock> Clock;
    // The place chosen from the atlas, when one was.
    std::optional<AtlasPlace> Place;
};

}  // namespace lunarys::engine
