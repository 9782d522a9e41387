#pragma once

// Practical salinity from a conductivity and back (PSS-78, which holds for
// salinities 2 to 42). Temperatures here are on IPTS-68 unless named t90;
// pressures are sea pressures in decibar, 0 at the surface of the tank. Pure
// functions; an overflow or invalid operation throws runtime::RuntimeError
// (6), the square root of a negative ratio 5, a division by zero 11.

#include "seawater/pss78_coefficients.hpp"

namespace seawater {

// mS/cm, of salinity 35 at t68 = 15 and sea pressure 0.
inline constexpr double conductivityAtS35 = pss78::conductivityAtS35;

// A thermometer reads ITS-90; PSS-78 was fitted on IPTS-68.
inline constexpr double t68PerT90 = 1.00024;

// Practical salinity of a sample whose conductivity is `ratio` times
// conductivityAtS35, at temperature t68 (deg C) and sea pressure p (dbar).
double practicalSalinity(double ratio, double t68, double p);

// The conductivity ratio at which practicalSalinity gives s, the nearest
// double to it that the search finds. Sought between 0 and 5, which holds
// salinity 42 from -2 to 40 deg C at any sea pressure; a salinity beyond what
// that range gives yields the nearer end.
double conductivityRatio(double s, double t68, double p);

// The same for a conductivity in mS/cm at temperature t90 (deg C, ITS-90),
// as a probe without temperature compensation shows it.
double salinityFromConductivity(double mScm, double t90, double p = 0.0);
double conductivityFromSalinity(double s, double t90, double p = 0.0);

}  // namespace seawater
