#include "astro/birth_moment.h"

namespace lunarys::astro {

namespace {

// Floor division for integers of either sign.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Days from 1970-01-01 of a proleptic Gregorian date, and back
// (H. Hinnant's civil-calendar algorithms).
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr void CivilFromDays(std::int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

}  // namespace

std::int64_t JulianDayNumber(int year, int month, int day)
{
    const std::int64_t m = 12 * (static_cast<std::int64_t>(year) + 4800) + month - 3;
    std::int64_t j = FloorDiv(365 * m + 2 * (m - 12 * FloorDiv(m, 12)) + 7, 12) + day
                     + FloorDiv(m, 48) - 32083;
    // From 1582 October 15 (Julian reckoning 2299171) on, the Gregorian calendar.
    if (j >= 2299171)
        j += FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
    return j;
}

double UniversalHoursOnLocalDate(const BirthMoment& moment)
{
    return moment.hour + moment.minute / 60.0 + moment.zoneHours + moment.zoneMinutes / 60.0
           - (moment.daylightSaving ? 1.0 : 0.0);
}

double JulianCenturiesSince(const BirthMoment& moment, double epochJdn)
{
    const double jdn = static_cast<double>(JulianDayNumber(moment.year, moment.month, moment.day));
    return ((jdn - epochJdn) + UniversalHoursOnLocalDate(moment) / 24.0 - 0.5) / 36525.0;
}

CivilDateTime UniversalDateTime(const BirthMoment& moment)
{
    const std::int64_t localMinutes =
        DaysFromCivil(moment.year, moment.month, moment.day) * 1440 + moment.hour * 60 + moment.minute;
    const std::int64_t utMinutes =
        localMinutes + moment.zoneHours * 60 + moment.zoneMinutes - (moment.daylightSaving ? 60 : 0);
    CivilDateTime ut;
    CivilFromDays(FloorDiv(utMinutes, 1440), ut.year, ut.month, ut.day);
    const std::int64_t minuteOfDay = utMinutes - FloorDiv(utMinutes, 1440) * 1440;
    ut.hour = static_cast<int>(minuteOfDay / 60);
    ut.minute = static_cast<int>(minuteOfDay % 60);
    return ut;
}

double DayCountSinceJ2000(const CivilDateTime& ut)
{
    const std::int64_t y = ut.year;
    const std::int64_t mo = ut.month;
    const std::int64_t days = 367 * y - FloorDiv(7 * (y + FloorDiv(mo + 9, 12)), 4) + FloorDiv(275 * mo, 9) + ut.day;
    return static_cast<double>(days) - 730531.5 + (ut.hour + ut.minute / 60.0) / 24.0;
}

}  // namespace lunarys::astro
