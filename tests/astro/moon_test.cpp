#include "astro/moon.h"

#include <gtest/gtest.h>

#include "astro/birth_moment.h"
#include "support/angles.h"

namespace lunarys::astro {
namespace {

using lunarys::testing::AngleNear;

TEST(MoonLongitude, AtJ2000)
{
    EXPECT_TRUE(AngleNear(MoonLongitude(0), 223.3, 0.05));
}

TEST(MoonLongitude, WorkedExampleOf4July1990)
{
    const BirthMoment moment{1990, 7, 4, 6, 30, -5, -30, false};
    EXPECT_TRUE(AngleNear(MoonLongitude(JulianCenturiesSince(moment, J2000Jdn)), 237.208, 0.0005));
}

// The Moon's geometric longitude from the full ELP-2000/82 truncation
// (Meeus, example 47.a, 1992 April 12.0 TD: 133.162655 degrees). The 25 terms
// alone stay within a few hundredths of a degree of it.
TEST(MoonLongitude, CloseToTheFullSeries)
{
    const double t = (2448724.5 - J2000Jdn) / 36525;
    EXPECT_TRUE(AngleNear(MoonLongitude(t), 133.162655, 0.05));
}

TEST(MoonLongitude, StaysWithinOneTurn)
{
    int outside = 0;
    for (double t = -1.0; t <= 0.51; t += 1.0 / 36525 / 8)
        if (const double l = MoonLongitude(t); !(l >= 0 && l < 360))
            ++outside;
    EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace lunarys::astro
