#pragma once

namespace lunarys::astro {

// Ecliptic longitude of the ascendant in degrees, in [0, 360).
//   centuries1900: Julian centuries since 1900 January 0.5 (UT included)
//   utHours:       universal time of day in hours, not reduced into 0..24
//   longitudeWestDeg, latitudeNorthDeg: the place
// Sidereal time from Newcomb's expression, obliquity of the date to first
// order in T.
double AscendantLongitude(double centuries1900, double utHours, double longitudeWestDeg,
                          double latitudeNorthDeg);

// The sidereal angle the ascendant is taken from (the right ascension of the
// midheaven), in degrees, not reduced into a turn; same arguments.
double RamcDegrees(double centuries1900, double utHours, double longitudeWestDeg);

// The most degrees the ascendant can move per degree of that angle while the
// angle runs from ramcFromDeg to ramcToDeg (from <= to); infinity where the
// ecliptic can come near the horizon and the ascendant jump.
double AscendantRateBound(double centuries1900, double ramcFromDeg, double ramcToDeg, double latitudeNorthDeg);

}  // namespace lunarys::astro
