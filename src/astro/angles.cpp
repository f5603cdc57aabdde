#include "astro/angles.h"

#include <cmath>

namespace lunarys::astro {

namespace {
double Sgn(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }
}  // namespace

double FullCircleAtan(double y, double x)
{
    if (x > 0)
        return std::atan(y / x);
    if (x == 0)
        return Sgn(y) * SystemPi / 2;
    return Sgn(y) * (SystemPi - std::atan(std::fabs(y / x)));
}

}  // namespace lunarys::astro
