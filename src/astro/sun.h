#pragma once

namespace lunarys::astro {

// Mean Keplerian elements of the Earth-Moon barycentre's orbit, referred to
// the ecliptic and equinox of J2000; angles in radians, not reduced.
struct OrbitalElements {
    double semiMajorAxisAu = 0;
    double eccentricity = 0;
    double perihelionRad = 0;     // longitude of perihelion
    double meanLongitudeRad = 0;
};

OrbitalElements EarthElements(double julianCenturies);

// Reduces an angle in radians into [0, 2 SystemPi).
double ReduceToTurn(double rad);

// Newton iteration on Kepler's equation, then the true anomaly in [0, 2 SystemPi).
double TrueAnomaly(double meanAnomalyRad, double eccentricity);

// Geocentric ecliptic longitude of the Sun in degrees, mean equinox of J2000,
// at d days since 2000 January 1.5 UT. In [0, 360).
double SunLongitudeJ2000(double dayCount);

// General precession in longitude from J2000 to the date, in degrees
// (Lieske et al. 1977, IAU 1976: 5029.0966" T + 1.11113" T^2).
double PrecessionInLongitudeDeg(double julianCenturies);

// The Sun's tropical longitude of the date in degrees, in [0, 360):
// the J2000 longitude carried to the equinox of the date.
double SunLongitude(double dayCount);

}  // namespace lunarys::astro
