#include "astro/ascendant.h"
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "astro/birth_moment.h"
#include "astro/position_text.h"
#include "support/angles.h"

namespace lunarys::astro {
namespace {

using lunarys::testing::AngleNear;

TEST(Ascendant, LondonAtNoonOfJanuaryFirst2000)
{
    const BirthMoment moment{2000, 1, 1, 12, 0, 0, 0, false};
    const double t = JulianCenturiesSince(moment, J1900Jdn);
    EXPECT_DOUBLE_EQ(t, 1.0);
    const double ascendant = AscendantLongitude(t, UniversalHoursOnLocalDate(moment), 0, 51.5);
    EXPECT_TRUE(AngleNear(ascendant, 24.298, 0.001));
    EXPECT_EQ(AscendantText(ascendant), "24 Ari 17");
}

TEST(Ascendant, WorkedExampleOf4July1990)
{
    const BirthMoment moment{1990, 7, 4, 6, 30, -5, -30, false};
    const double ascendant = AscendantLongitude(JulianCenturiesSince(moment, J1900Jdn),
                                                UniversalHoursOnLocalDate(moment), -(72 + 50 / 60.0), 18 + 57 / 60.0);
    EXPECT_TRUE(AngleNear(ascendant, 106.383, 0.001));
    EXPECT_EQ(AscendantText(ascendant), "16 Can 22");
}

// On the equator with the vernal point on the meridian the ascendant is a
// right angle, taken with the program's own pi: just short of Cancer.
TEST(Ascendant, EquatorWithTheMeridianAtZero)
{
    const double gst = 6.6460656 + 2400.0513 * 0.0 + 0.0000258 * 0.0 + 0.0;
    const double ascendant = AscendantLongitude(0.0, 0.0, 15 * gst, 0.0);
    EXPECT_LT(ascendant, 90.0);
    EXPECT_GT(ascendant, 89.9999999);
    EXPECT_EQ(AscendantText(ascendant), "29 Gem 59");
}

// The ascendant is the ecliptic point rising in the east: it moves through
// every sign in a sidereal day, at any latitude, south included.
TEST(Ascendant, RisesThroughEverySignInADay)
{
    for (const double latitude : {-60.0, -33.9, 0.0, 18.95, 51.5, 66.0}) {
        bool seen[12] = {};
        for (int minute = 0; minute < 24 * 60; minute += 4) {
            const double a = AscendantLongitude(0.9, minute / 60.0, 10.0, latitude);
            ASSERT_TRUE(a >= 0 && a < 360) << a;
            seen[static_cast<int>(a) / 30] = true;
        }
        for (int sign = 0; sign < 12; ++sign)
            EXPECT_TRUE(seen[sign]) << "latitude " << latitude << " sign " << sign;
    }
}

// Turning the place a little east moves the local sidereal time on, so the
// ascendant moves forward in longitude (it never runs backwards).
TEST(Ascendant, MovesForwardWithLocalSiderealTime)
{
    for (int minute = 0; minute < 24 * 60; minute += 7) {
        const double a = AscendantLongitude(0.9, minute / 60.0, 0.0, 40.0);
        const double b = AscendantLongitude(0.9, minute / 60.0, -0.25, 40.0);
        const double step = std::fmod(b - a + 360.0, 360.0);
        EXPECT_GT(step, 0.0) << minute;
        EXPECT_LT(step, 5.0) << minute;
    }
}

// The bound on the ascendant's speed, against its motion in steps of a tenth
// of a degree of sidereal angle (give or take rounding), from the equator to
// near the pole and south: never exceeded, and reached within 10% somewhere
// in the turn.
TEST(Ascendant, SpeedStaysWithinItsBoundAndReachesIt)
{
    constexpr double t = 0.9;
    const double latitudes[] = {0, 40, 66.6, 70, 80, 89, -75};
    for (const double latitude : latitudes) {
        double closest = 0;
        for (double west = 0; west < 360; west += 2) {   // windows of 2 degrees of the angle
            const double bound = AscendantRateBound(t, RamcDegrees(t, 0, west + 2), RamcDegrees(t, 0, west), latitude);
            ASSERT_TRUE(std::isfinite(bound) || latitude == 66.6) << latitude;
            for (double step = 0; step < 2; step += 0.1) {
                const double a = AscendantLongitude(t, 0, west + 2 - step, latitude);
                const double b = AscendantLongitude(t, 0, west + 2 - step - 0.1, latitude);
                const double moved = std::abs(std::remainder(b - a, 360.0));
                EXPECT_LE(moved, bound * 0.1 * 1.0001) << latitude << " " << west;
                closest = std::max(closest, moved / (bound * 0.1));
            }
        }
        EXPECT_GT(closest, 0.9) << latitude;
    }
}

}  // namespace
}  // namespace lunarys::astro
