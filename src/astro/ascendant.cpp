#include "astro/ascendant.h"

#include <cmath>

#include "astro/angles.h"

namespace lunarys::astro {

double AscendantLongitude(double t, double ut, double longitudeWestDeg, double latitudeNorthDeg)
{
    // Sidereal time at Greenwich in hours, deliberately left unreduced: T
    // already holds the day's fraction, so the 2400.0513 T term supplies the
    // sidereal excess and UT is added with factor 1.
    const double gst = 6.6460656 + 2400.0513 * t + 0.0000258 * t * t + ut;
    double ramcDeg = 15 * gst - longitudeWestDeg;
    ramcDeg -= 360.0 * std::floor(ramcDeg / 360.0);   // only sines and cosines follow
    const double rho = ramcDeg * DegToRad;
    const double obliquity = DegToRad * (23.452294 - 0.0130125 * t);

    const double y = std::cos(rho);
    const double x = -(std::sin(rho) * std::cos(obliquity)
                       + std::sin(obliquity) * std::tan(latitudeNorthDeg * DegToRad));
    double a = FullCircleAtan(y, x);
    if (a < 0)
        a += SystemPi;
    if (std::cos(rho) < 0)
        a += SystemPi;
    double lambda = a * RadToDeg;
    while (lambda >= 360.0)
        lambda -= 360.0;
    return lambda;
}

}  // namespace lunarys::astro
