#include "astro/birth_moment.h"
#include <cmath>

#include <gtest/gtest.h>

namespace lunarys::astro {
namespace {

struct JdnCase {
    int year, month, day;
    std::int64_t jdn;
};

TEST(JulianDayNumber, KnownDates)
{
    const JdnCase cases[] = {
        {2000, 1, 1, 2451545},  {1582, 10, 4, 2299160}, {1582, 10, 15, 2299161}, {1582, 10, 16, 2299162},
        {1900, 1, 1, 2415021},  {1858, 11, 17, 2400001}, {1957, 10, 4, 2436116}, {1901, 1, 1, 2415386},
        {2050, 12, 31, 2470172}, {1990, 7, 4, 2448077},  {-4712, 1, 1, 0},
    };
    for (const JdnCase& c : cases)
        EXPECT_EQ(JulianDayNumber(c.year, c.month, c.day), c.jdn) << c.year << '-' << c.month << '-' << c.day;
}

TEST(UniversalTime, ZoneAndDaylightSavingAreAdded)
{
    struct Case {
        BirthMoment moment;
        double ut;
    } const cases[] = {
        {{1990, 7, 4, 6, 30, -5, -30, false}, 1.0},     // India
        {{1990, 7, 4, 23, 30, 1, 0, false}, 24.5},      // west of Greenwich: into the next day
        {{1990, 7, 4, 6, 30, -5, -30, true}, 0.0},      // daylight saving takes an hour off
        {{1990, 7, 4, 0, 15, 3, 30, false}, 3.75},      // Newfoundland
        {{1990, 7, 4, 0, 15, -13, 0, true}, -13.75},    // far east: the previous day
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(UniversalHoursOnLocalDate(c.moment), c.ut);
}

TEST(UniversalTime, CenturiesAtTheEpochs)
{
    const BirthMoment midnight{2000, 1, 1, 0, 0, 0, 0, false};
    EXPECT_DOUBLE_EQ(JulianCenturiesSince(midnight, J2000Jdn), -0.5 / 36525);
    const BirthMoment noon{2000, 1, 1, 12, 0, 0, 0, false};
    EXPECT_DOUBLE_EQ(JulianCenturiesSince(noon, J2000Jdn), 0.0);
    EXPECT_DOUBLE_EQ(JulianCenturiesSince(noon, J1900Jdn), 1.0);
}

TEST(UniversalDateTime, RollsOverDaysMonthsAndYears)
{
    struct Case {
        BirthMoment moment;
        CivilDateTime ut;
    } const cases[] = {
        {{1990, 7, 4, 6, 30, -5, -30, false}, {1990, 7, 4, 1, 0}},
        {{1990, 7, 4, 2, 10, -5, -30, false}, {1990, 7, 3, 20, 40}},
        {{2000, 1, 1, 0, 30, -1, 0, false}, {1999, 12, 31, 23, 30}},
        {{1999, 12, 31, 23, 0, 9, 30, false}, {2000, 1, 1, 8, 30}},
        {{2000, 2, 28, 23, 0, 2, 0, false}, {2000, 2, 29, 1, 0}},     // a Gregorian leap year
        {{1900 + 100, 3, 1, 0, 30, 0, 0, true}, {2000, 2, 29, 23, 30}},
        {{2001, 2, 28, 23, 0, 2, 0, false}, {2001, 3, 1, 1, 0}},
        {{1904, 3, 1, 0, 0, -12, -30, false}, {1904, 2, 29, 11, 30}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UniversalDateTime(c.moment), c.ut) << c.moment.year << '-' << c.moment.month << '-' << c.moment.day;
}

TEST(DayCount, CountsFromNoonOfJanuaryFirst2000)
{
    EXPECT_DOUBLE_EQ(DayCountSinceJ2000({2000, 1, 1, 0, 0}), -0.5);
    EXPECT_DOUBLE_EQ(DayCountSinceJ2000({2000, 1, 1, 12, 0}), 0.0);
    EXPECT_DOUBLE_EQ(DayCountSinceJ2000({1990, 7, 4, 1, 0}), 2448077 - 2451545 - 0.5 + 1.0 / 24);
}

// Every day of the offered years, at several clock times and zones: the
// instant by the Julian day of the local date plus the unreduced universal
// time is the instant by calendar roll-over and the day count.
TEST(BirthMomentSweep, BothConversionsAgreeOnEveryDay1901To2050)
{
    const int times[][2] = {{0, 0}, {0, 59}, {6, 30}, {12, 0}, {23, 59}};
    const int zones[][2] = {{0, 0}, {-5, -30}, {12, 0}, {-13, 0}, {3, 30}};
    std::int64_t previousJdn = JulianDayNumber(1900, 12, 31);
    int failures = 0;
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int lengths[] = {31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            for (int day = 1; day <= lengths[month - 1]; ++day) {
                const std::int64_t jdn = JulianDayNumber(year, month, day);
                if (jdn != previousJdn + 1 && ++failures < 5)
                    ADD_FAILURE() << "Julian day numbers not consecutive at " << year << '-' << month << '-' << day;
                previousJdn = jdn;
                for (const auto& t : times)
                    for (const auto& z : zones)
                        for (const bool dst : {false, true}) {
                            const BirthMoment m{year, month, day, t[0], t[1], z[0], z[1], dst};
                            const double byJdn = static_cast<double>(jdn) - 0.5 + UniversalHoursOnLocalDate(m) / 24;
                            const double byDayCount = J2000Jdn + DayCountSinceJ2000(UniversalDateTime(m));
                            if (std::fabs(byJdn - byDayCount) > 1e-9 && ++failures < 5)
                                ADD_FAILURE() << year << '-' << month << '-' << day << ' ' << t[0] << ':' << t[1]
                                              << " zone " << z[0] << ':' << z[1] << " dst " << dst << ": " << byJdn
                                              << " vs " << byDayCount;
                        }
            }
        }
    }
    EXPECT_EQ(previousJdn, JulianDayNumber(2050, 12, 31));
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace lunarys::astro
