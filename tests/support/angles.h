#pragma once

#include <cmath>

#include <gtest/gtest.h>

namespace lunarys::testing {

// Difference of two angles in degrees across the 360/0 seam, in [0, 180].
inline double AngleGap(double a, double b)
{
    const double gap = std::fmod(std::fabs(a - b), 360.0);
    return gap > 180 ? 360 - gap : gap;
}

// Fails on a non-finite value, where a naive |a - b| > tol would pass.
inline ::testing::AssertionResult AngleNear(double actual, double expected, double toleranceDeg)
{
    if (!std::isfinite(actual))
        return ::testing::AssertionFailure() << "angle is not finite: " << actual;
    const double gap = AngleGap(actual, expected);
    if (gap <= toleranceDeg)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is " << gap << " deg from " << expected
                                         << " (tolerance " << toleranceDeg << ")";
}

}  // namespace lunarys::testing
