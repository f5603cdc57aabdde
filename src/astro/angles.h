#pragma once

namespace lunarys::astro {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;

// The reading's own value of pi, short of full precision on purpose: the
// quadrant corrections and the radian-to-degree step of the Sun and the
// ascendant are defined with it (which is why the equator case rises at
// 89.99999999 degrees, not 90).
inline constexpr double SystemPi = 3.14159265325479;
inline constexpr double SystemTwoPi = 2.0 * SystemPi;

// An angle in degrees reduced into [0, 360).
double ReduceToCircleDeg(double deg);

// Full-circle arctangent built from the one-argument arctangent, with the
// quadrant corrections taken in SystemPi. x == 0 includes a negative zero.
double FullCircleAtan(double y, double x);

}  // namespace lunarys::astro
