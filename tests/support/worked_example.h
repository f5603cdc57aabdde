#pragma once

#include "engine/birth_input.h"

namespace lunarys::testing {

// The worked example: MARY ANN, born 4 July 1990 at 06:30 Indian time in
// Mumbai, 72 degrees 50 minutes East, 18 degrees 57 minutes North.
inline engine::BirthInput MaryAnn()
{
    engine::BirthInput in;
    in.Name = QStringLiteral("MARY ANN");
    in.MonthIndex = 6;
    in.DayIndex = 3;
    in.Year = 1990;
    in.Hour = 6;
    in.Minute = 30;
    in.ZoneIndex = 34;
    in.LongitudeDegrees = QStringLiteral("72");
    in.LongitudeMinutes = QStringLiteral("50");
    in.LongitudeIsEast = true;
    in.LatitudeDegrees = QStringLiteral("18");
    in.LatitudeMinutes = QStringLiteral("57");
    return in;
}

}  // namespace lunarys::testing
