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

}  // namespace lunarys::astro
