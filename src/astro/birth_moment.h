#pragma once

#include <cstdint>

namespace lunarys::astro {

// The entered birth moment: a local clock date and time and the zone offset,
// i.e. the amount to add to local time to obtain universal time (zero or
// negative east of Greenwich; hours and minutes carry the same sign).
struct BirthMoment {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int zoneHours = 0;
    int zoneMinutes = 0;
    bool daylightSaving = false;
};

struct CivilDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Julian day number (the Julian day at noon) of a calendar date, Julian
// calendar up to 1582 October 4 and Gregorian from October 15 on
// (Fliegel & Van Flandern style integer arithmetic).
std::int64_t JulianDayNumber(int year, int month, int day);

// Universal time of the birth in hours on the local date: local time plus the
// zone offset, less one hour for daylight saving. Not reduced into 0..24, so
// the roll-over into a neighbouring day happens through the Julian day.
double UniversalHoursOnLocalDate(const BirthMoment& moment);

// Julian centuries of the birth since the epoch whose Julian day number is
// epochJdn, counted from that day's noon: ((JDN - E) + UT/24 - 0.5) / 36525.
double JulianCenturiesSince(const BirthMoment& moment, double epochJdn);

inline constexpr double J2000Jdn = 2451545.0;   // 2000 January 1.5
inline constexpr double J1900Jdn = 2415020.0;   // 1900 January 0.5

// The birth moment as a universal calendar date and time, with full calendar
// roll-over of the zone offset and the daylight-saving hour.
CivilDateTime UniversalDateTime(const BirthMoment& moment);

// Days since 2000 January 1.5 UT by the day-count formula without a century
// correction: exact between March 1900 and February 2100.
double DayCountSinceJ2000(const CivilDateTime& ut);

}  // namespace lunarys::astro
