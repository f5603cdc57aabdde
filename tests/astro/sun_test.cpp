#include "astro/sun.h"

#include <cmath>

#include <gtest/gtest.h>

#include "astro/angles.h"
#include "astro/birth_moment.h"
#include "support/angles.h"

namespace lunarys::astro {
namespace {

using lunarys::testing::AngleNear;

TEST(EarthElements, AtJ2000AndAfterACentury)
{
    const OrbitalElements j2000 = EarthElements(0);
    EXPECT_DOUBLE_EQ(j2000.eccentricity, 0.01671022);
    EXPECT_DOUBLE_EQ(j2000.meanLongitudeRad, 100.46435 * DegToRad);
    const OrbitalElements later = EarthElements(1);
    EXPECT_DOUBLE_EQ(later.semiMajorAxisAu, 1.00000006);
    EXPECT_NEAR(later.perihelionRad / DegToRad, 102.94719 + 1198.28 / 3600, 1e-9);
}

TEST(ReduceToTurn, FoldsBothSignsIntoOneTurn)
{
    EXPECT_DOUBLE_EQ(ReduceToTurn(1.0), 1.0);
    EXPECT_NEAR(ReduceToTurn(1.0 + 3 * SystemTwoPi), 1.0, 1e-12);
    EXPECT_NEAR(ReduceToTurn(-1.0), SystemTwoPi - 1.0, 1e-12);
    EXPECT_NEAR(ReduceToTurn(-1.0 - 5 * SystemTwoPi), SystemTwoPi - 1.0, 1e-12);
}

// Eccentric anomaly by bisection, independent of the Newton iteration.
double EccentricAnomalyByBisection(double m, double e)
{
    double lo = m - 1, hi = m + 1;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (mid - e * std::sin(mid) - m > 0 ? hi : lo) = mid;
    }
    return (lo + hi) / 2;
}

TEST(TrueAnomaly, SolvesKeplersEquation)
{
    for (const double e : {0.0, 0.0167, 0.2}) {
        for (double m = 0.05; m < 6.2; m += 0.37) {
            const double ecc = EccentricAnomalyByBisection(m, e);
            double expected = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(ecc / 2));
            if (expected < 0)
                expected += SystemTwoPi;
            EXPECT_NEAR(TrueAnomaly(m, e), expected, 1e-10) << "M " << m << " e " << e;
        }
    }
    EXPECT_DOUBLE_EQ(TrueAnomaly(0, 0.0167), 0);
}

TEST(SunLongitude, J2000FrameAtNoonOfJanuaryFirst2000)
{
    // About 280 degrees 22 minutes.
    EXPECT_TRUE(AngleNear(SunLongitudeJ2000(0), 280 + 22.0 / 60, 0.02));
    EXPECT_DOUBLE_EQ(PrecessionInLongitudeDeg(0), 0);
    EXPECT_DOUBLE_EQ(SunLongitude(0), SunLongitudeJ2000(0));
}

TEST(SunLongitude, WorkedExampleOf4July1990)
{
    const double d = DayCountSinceJ2000({1990, 7, 4, 1, 0});
    EXPECT_TRUE(AngleNear(SunLongitudeJ2000(d), 101.953, 0.0005));
    EXPECT_TRUE(AngleNear(SunLongitude(d), 101.820, 0.0005));
}

TEST(Precession, GeneralPrecessionInLongitude)
{
    EXPECT_NEAR(PrecessionInLongitudeDeg(1), (5029.0966 + 1.11113) / 3600, 1e-12);
    EXPECT_NEAR(PrecessionInLongitudeDeg(-0.99), (-5029.0966 * 0.99 + 1.11113 * 0.9801) / 3600, 1e-12);
}

// Geometric longitudes of the Sun referred to the mean equinox of the date,
// from a precise theory: VSOP87 as worked in Meeus, Astronomical Algorithms,
// example 25.b (1992 October 13.0 TD: 199.907347 degrees); and solstices and
// equinoxes (Meeus example 27.a for June 1962, 21:25 TD; the published
// instants of 2000 and 2020 in UT), where the apparent longitude is a
// multiple of 90 and the geometric one exceeds it by the aberration, 0.0057
// degrees, less the nutation in longitude, under 0.005 degrees.
TEST(SunLongitude, WithinTwoHundredthsOfADegreeOfAPreciseTheory)
{
    struct Case {
        CivilDateTime ut;
        double longitude;
        const char* what;
    } const cases[] = {
        {{1992, 10, 13, 0, 0}, 199.907347, "1992 Oct 13"},
        {{1962, 6, 21, 21, 25}, 90.0057, "June solstice 1962"},
        {{2000, 3, 20, 7, 35}, 0.0057, "March equinox 2000"},
        {{2000, 6, 21, 1, 48}, 90.0057, "June solstice 2000"},
        {{2000, 9, 22, 17, 28}, 180.0057, "September equinox 2000"},
        {{2000, 12, 21, 13, 37}, 270.0057, "December solstice 2000"},
        {{2020, 3, 20, 3, 50}, 0.0057, "March equinox 2020"},
        {{2020, 12, 21, 10, 2}, 270.0057, "December solstice 2020"},
    };
    double largest = 0;
    for (const Case& c : cases) {
        const double lambda = SunLongitude(DayCountSinceJ2000(c.ut));
        EXPECT_TRUE(AngleNear(lambda, c.longitude, 0.02)) << c.what;
        largest = std::max(largest, lunarys::testing::AngleGap(lambda, c.longitude));
    }
    std::printf("largest Sun error against the references: %.4f deg\n", largest);
}

TEST(SunLongitude, StaysWithinOneTurnForEveryHourOf1901To2050)
{
    const double first = DayCountSinceJ2000({1901, 1, 1, 0, 0});
    const double last = DayCountSinceJ2000({2050, 12, 31, 23, 0});
    int outside = 0;
    for (double d = first; d <= last; d += 1.0 / 24)
        if (const double l = SunLongitude(d); !(l >= 0 && l < 360))
            ++outside;
    EXPECT_EQ(outside, 0);
}

}  // namespace
}  // namespace lunarys::astro
