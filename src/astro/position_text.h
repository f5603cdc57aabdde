#pragma once

#include <string>
#include <string_view>

namespace lunarys::astro {

// Three letters a sign from Aries to Pisces: the last three characters of
// every position text.
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Degrees, minutes and seconds of a longitude, each floored.
struct DegreeParts {
    int wholeDegrees = 0;   // 0..359 (360 for a longitude of 360 or more)
    int signIndex = 0;      // 0 = Aries .. 11 = Pisces; 12 and above: no sign
    int degreesInSign = 0;  // 0..29
    int minutes = 0;
    int seconds = 0;
};
DegreeParts SplitLongitude(double longitudeDeg);

// "3° 27' 24\" Leo" for 123.4567; UTF-8. A longitude without a sign ends
// with "\" " and no abbreviation.
std::string PositionText(double longitudeDeg);

// "03 Leo 27": two-digit degrees in the sign, the abbreviation, two-digit minutes.
std::string AscendantText(double longitudeDeg);

}  // namespace lunarys::astro
