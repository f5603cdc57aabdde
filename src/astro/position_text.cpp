#include "astro/position_text.h"

#include <cmath>
#include <cstdio>

namespace lunarys::astro {

namespace {
std::string_view Abbreviation(int signIndex)
{
    if (signIndex < 0 || signIndex >= 12)
        return {};
    return SignAbbreviations.substr(3 * static_cast<std::size_t>(signIndex), 3);
}
}  // namespace

DegreeParts SplitLongitude(double longitudeDeg)
{
    double lambda = std::fabs(longitudeDeg);
    if (!std::isfinite(lambda) || lambda >= 1e6)
        lambda = 0;  // never produced by the computation; keeps the formatting defined
    DegreeParts p;
    const double whole = std::floor(lambda);
    const double minutes = 60 * (lambda - whole);
    p.wholeDegrees = static_cast<int>(whole);
    p.minutes = static_cast<int>(std::floor(minutes));
    p.seconds = static_cast<int>(std::floor(60 * (minutes - p.minutes)));
    p.signIndex = p.wholeDegrees / 30;
    p.degreesInSign = p.wholeDegrees % 30;
    return p;
}

std::string PositionText(double longitudeDeg)
{
    const DegreeParts p = SplitLongitude(longitudeDeg);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d\u00b0 %d' %d\" ", p.degreesInSign, p.minutes, p.seconds);
    std::string text(buffer);
    text += Abbreviation(p.signIndex);
    return text;
}

std::string AscendantText(double longitudeDeg)
{
    const DegreeParts p = SplitLongitude(longitudeDeg);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d %.*s %02d", p.degreesInSign,
                  static_cast<int>(Abbreviation(p.signIndex).size()), Abbreviation(p.signIndex).data(),
                  p.minutes);
    return buffer;
}

}  // namespace lunarys::astro
