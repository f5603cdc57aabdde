#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "engine/reading_model.h"

namespace lunarys::presentation {

QString SignName(engine::Sign sign);              // "Cancer"
QString ElementName(engine::Element element);     // "Water"
QString TemperamentName(engine::Temperament t);   // "Phlegmatic"

// "11° 49' 12\" Can": degrees in the sign, minutes, seconds, abbreviation.
QString PositionText(const engine::BodyPosition& body);

// "16 Can 22": degrees in the sign, abbreviation, minutes.
QString AscendantText(const engine::Reading& reading);

// "19 Vir": two-digit degree in the sign and the abbreviation.
QString MidpointLabel(const engine::MidpointPosition& midpoint);

// "19º Virgo", as the result window shows the midpoint.
QString MidpointCaption(const engine::MidpointPosition& midpoint);

QString HouseName(int house);      // "3rd House"
QString HouseHeading(int house);   // "More About Third House"

// "1990-07-04T01:00Z"
QString UniversalTimeText(const engine::ClockUsed& clock);

// "05:12": a local clock minute of the day, 0..1439.
QString MinuteOfDayText(int minute);

// The labels above as UTF-8, for outputs written byte by byte.
std::string MidpointLabelUtf8(const engine::MidpointPosition& midpoint);
std::string MidpointCaptionUtf8(const engine::MidpointPosition& midpoint);
std::string_view HouseNameUtf8(int house);
std::string MinuteOfDayUtf8(int minute);
std::string UniversalTimeUtf8(const engine::ClockUsed& clock);

}  // namespace lunarys::presentation
