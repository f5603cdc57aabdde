#pragma once

namespace lunarys::astro {

// Geocentric ecliptic longitude of the Moon in degrees, in [0, 360), from the
// mean longitude and the 25 largest periodic terms of the ELP-2000/82
// truncation (Meeus, Astronomical Algorithms, ch. 47, table 47.A). T is in
// Julian centuries since 2000 January 1.5. Error about 0.1 degree.
double MoonLongitude(double julianCenturies);

}  // namespace lunarys::astro
