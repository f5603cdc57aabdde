#pragma once

#include <cstdint>

#include "engine/zodiac.h"

namespace lunarys::engine {

// The values of one reading: the birth data copied from the input, and every
// result of the computation. The application owns one and passes it to each
// reading, which overwrites it completely.
struct ChartState {
    // Amount to add to local clock time to obtain universal time.
    std::int16_t TimeZoneHours = 0;
    std::int16_t TimeZoneMinutes = 0;

    std::int16_t BirthYear = 0;
    std::int16_t BirthMonth = 0;   // 1..12
    std::int16_t BirthDay = 0;
    std::int16_t BirthHour = 0;    // local clock time
    std::int16_t BirthMinute = 0;
    bool DaylightSaving = false;

    std::int16_t LongitudeDegrees = 0;
    std::int16_t LongitudeMinutes = 0;
    bool LongitudeIsEast = false;
    std::int16_t LatitudeDegrees = 0;
    std::int16_t LatitudeMinutes = 0;
    bool LatitudeIsSouth = false;

    double SunLongitude = 0;        // degrees, tropical, of the date
    double SunLongitudeWhole = 0;   // floor of SunLongitude
    double MoonLongitude = 0;
    std::int16_t MoonLongitudeWhole = 0;
    double AscendantLongitude = 0;

    DegreeSignTable DegreeSign{};

    std::int16_t MidpointDegree = 0;   // 0..359
    Sign SunSign = Sign::Aries;
    Sign MoonSign = Sign::Aries;
    Sign MidpointSign = Sign::Aries;
    int MidpointHouse = 1;             // 1..12

    friend bool operator==(const ChartState&, const ChartState&) = default;
};

}  // namespace lunarys::engine
