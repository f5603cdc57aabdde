#include "astro/angles.h"

#include <cmath>

namespace lunarys::astro {

namespace {
double Sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }
}  // namespace

double ReduceToCircleDeg(double deg)
{
    double reduced = std::fmod(deg, 360.0);
    if (reduced < 0)
        reduced += 360.0;
    return reduced < 360.0 ? reduced : 0.0;   // a tiny negative value rounds up to 360
}

double FullCircleAtan(double y, double x)
{
    if (x > 0)
        return std::atan(y / x);
    if (x == 0)
        return Sgn(y) * SystemPi / 2;
    return Sgn(y) * (SystemPi - std::atan(std::fabs(y / x)));
}

}  // namespace lunarys::astro
