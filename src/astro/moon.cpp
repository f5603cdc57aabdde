#include "astro/moon.h"

#include <array>
#include <cmath>

#include "astro/angles.h"

namespace lunarys::astro {

namespace {

struct MoonTerm {
    signed char d, m, mPrime, f;   // multiples of D, M, M', F
    double coefficientDeg;
    bool timesE;                   // scaled by the eccentricity factor E
};

// The 25 largest longitude terms of Meeus table 47.A, in the table's order.
inline constexpr std::array<MoonTerm, 25> kMoonTerms{{
    {0, 0, 1, 0, 6.288774, false},  {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},  {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false}, {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},  {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},  {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.010980, false}, {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false}, {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true}, {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

}  // namespace

double MoonLongitude(double t)
{
    // Fundamental arguments, constant and linear terms only; D, M, M' and F
    // go to radians without being reduced to one turn first.
    const double meanLongitudeDeg = 218.3164591 + 481267.88134236 * t;
    const double d = (297.8502042 + 445267.1115168 * t) * DegToRad;
    const double m = (357.5291092 + 35999.0502909 * t) * DegToRad;
    const double mPrime = (134.9634114 + 477198.8676313 * t) * DegToRad;
    const double f = (93.2720993 + 483202.0175273 * t) * DegToRad;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;

    double sumDeg = 0;
    for (const MoonTerm& term : kMoonTerms) {
        const double term_ = term.coefficientDeg
                             * std::sin(term.d * d + term.m * m + term.mPrime * mPrime + term.f * f);
        sumDeg += term.timesE ? term_ * e : term_;
    }
    return ReduceToCircleDeg(meanLongitudeDeg + sumDeg);
}

}  // namespace lunarys::astro
