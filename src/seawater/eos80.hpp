#pragma once

// EOS-80 density of seawater and its inversion by bisection. Pure functions;
// an overflow or invalid operation throws runtime::RuntimeError (6), the
// square root of a negative salinity 5, a division by zero 11.

namespace seawater {

// Density at one standard atmosphere, kg/m^3, of salinity s (PSS-78) at
// temperature t (deg C).
double density0(double s, double t);

// Density at sea pressure p (decibar), kg/m^3.
double density(double s, double t, double p);

// The bounds and limits of the salinity search.
inline constexpr double salinitySearchLow = 0.0;
inline constexpr double salinitySearchHigh = 100.0;
inline constexpr double salinitySearchTolerance = 0.00001;  // relative density error
inline constexpr int salinitySearchStepCap = 1000;

// The outcome of one salinity search: the last midpoint evaluated, how many
// steps it took and whether its density met the tolerance.
struct SalinitySearch {
    double salinity;
    int steps;
    bool converged;
};

SalinitySearch searchSalinity(double rho, double t);

// The salinity at which seawater of temperature t (deg C) at sea pressure 0
// has density rho (kg/m^3): the last midpoint of the bisection, also when the
// step cap ended the search without meeting the tolerance.
double salinityd(double rho, double t);

}  // namespace seawater
