#include "astro/ascendant.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/angles.h"

namespace lunarys::astro {

namespace {

double ObliquityRad(double t) { return DegToRad * (23.452294 - 0.0130125 * t); }

}  // namespace

double RamcDegrees(double t, double ut, double longitudeWestDeg)
{
    // Sidereal time at Greenwich in hours, deliberately left unreduced: T
    // already holds the day's fraction, so the 2400.0513 T term supplies the
    // sidereal excess and UT is added with factor 1.
    const double gst = 6.6460656 + 2400.0513 * t + 0.0000258 * t * t + ut;
    return 15 * gst - longitudeWestDeg;
}

double AscendantLongitude(double t, double ut, double longitudeWestDeg, double latitudeNorthDeg)
{
    double ramcDeg = RamcDegrees(t, ut, longitudeWestDeg);
    ramcDeg -= 360.0 * std::floor(ramcDeg / 360.0);   // only sines and cosines follow
    const double rho = ramcDeg * DegToRad;
    const double obliquity = ObliquityRad(t);

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

// The ascendant is the direction of (y, x) above, with y = cos R and
// x = -(sin R cos e + k), k = sin e tan(lat). Its rate against R is
// (x y' - y x') / (x^2 + y^2) = N / D with N = cos e + k sin R and
// D = (k + cos e sin R)^2 + cos^2 R = 1 + k^2 + 2 k cos e s - sin^2 e s^2,
// s = sin R. N is linear and D concave in s, so over the values s takes in
// the interval both are at their extremes where s is: at its ends, or at -1
// or 1 when R passes 270 or 90 degrees. D is the squared distance of (y, x)
// from the origin; when it nears 0 the ascendant can turn by half a circle
// almost at once, and no bound is given.
double AscendantRateBound(double t, double ramcFromDeg, double ramcToDeg, double latitudeNorthDeg)
{
    const double e = ObliquityRad(t);
    const double k = std::sin(e) * std::tan(latitudeNorthDeg * DegToRad);
    double lo = std::min(std::sin(ramcFromDeg * DegToRad), std::sin(ramcToDeg * DegToRad));
    double hi = std::max(std::sin(ramcFromDeg * DegToRad), std::sin(ramcToDeg * DegToRad));
    // Whether a degree 90 + 360 n (sine 1) or 270 + 360 n (sine -1) lies within.
    const auto passes = [&](double at) { return std::floor((ramcToDeg - at) / 360) >= std::ceil((ramcFromDeg - at) / 360); };
    if (passes(90))
        hi = 1;
    if (passes(270))
        lo = -1;
    const auto d = [&](double s) { return 1 + k * k + 2 * k * std::cos(e) * s - std::sin(e) * std::sin(e) * s * s; };
    const auto n = [&](double s) { return std::abs(std::cos(e) + k * s); };
    const double least = std::min(d(lo), d(hi));
    if (!(least > 1e-6))
        return std::numeric_limits<double>::infinity();
    return std::max(n(lo), n(hi)) / least;
}

}  // namespace lunarys::astro
