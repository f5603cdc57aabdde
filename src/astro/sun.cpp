#include "astro/sun.h"

#include <array>
#include <cmath>

#include "astro/angles.h"

namespace lunarys::astro {

namespace {

// Earth (EM barycentre) elements at J2000 and their rates per Julian century,
// from the JPL table "Keplerian Elements for Approximate Positions of the
// Major Planets" (Standish), 1800-2050 fit. Angle rates are in arcseconds.
struct ElementRow {
    double atJ2000;
    double ratePerCentury;
};
inline constexpr ElementRow kSemiMajorAxis{1.00000011, -0.00000005};
inline constexpr ElementRow kEccentricity{0.01671022, -0.00003804};
inline constexpr ElementRow kPerihelionDeg{102.94719, 1198.28};
inline constexpr ElementRow kMeanLongitudeDeg{100.46435, 129597740.63};

inline constexpr double kKeplerTolerance = 1e-12;

double AngleRad(const ElementRow& row, double t)
{
    return (row.atJ2000 + row.ratePerCentury * t / 3600.0) * DegToRad;
}

}  // namespace

OrbitalElements EarthElements(double t)
{
    return {kSemiMajorAxis.atJ2000 + kSemiMajorAxis.ratePerCentury * t,
            kEccentricity.atJ2000 + kEccentricity.ratePerCentury * t,
            AngleRad(kPerihelionDeg, t), AngleRad(kMeanLongitudeDeg, t)};
}

double ReduceToTurn(double rad)
{
    const double turns = rad / SystemTwoPi;
    double reduced = (turns - std::trunc(turns)) * SystemTwoPi;
    if (reduced < 0)
        reduced += SystemTwoPi;
    return reduced;
}

double TrueAnomaly(double m, double e)
{
    double e0 = m + e * std::sin(m) * (1 + e * std::cos(m));
    double e1 = e0;
    // Newton's method converges in three or four rounds for e < 0.02; the
    // cap only guards against a non-finite input.
    for (int round = 0; round < 64; ++round) {
        e1 = e0 - (e0 - e * std::sin(e0) - m) / (1 - e * std::cos(e0));
        if (!(std::fabs(e0 - e1) > kKeplerTolerance))
            break;
        e0 = e1;
    }
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(e1 / 2));
    if (v < 0)
        v += SystemTwoPi;
    return v;
}

double SunLongitudeJ2000(double d)
{
    const OrbitalElements el = EarthElements(d / 36525.0);
    const double e = el.eccentricity;
    const double v = TrueAnomaly(ReduceToTurn(el.meanLongitudeRad - el.perihelionRad), e);
    const double r = el.semiMajorAxisAu * (1 - e * e) / (1 + e * std::cos(v));
    // Earth's heliocentric position, turned round to the Sun seen from the Earth.
    const double x = -r * std::cos(v + el.perihelionRad);
    const double y = -r * std::sin(v + el.perihelionRad);
    return ReduceToCircleDeg(FullCircleAtan(y, x) * 180.0 / SystemPi);
}

double PrecessionInLongitudeDeg(double t)
{
    return (5029.0966 * t + 1.11113 * t * t) / 3600.0;
}

double SunLongitude(double d)
{
    return ReduceToCircleDeg(SunLongitudeJ2000(d) + PrecessionInLongitudeDeg(d / 36525.0));
}

}  // namespace lunarys::astro
