#pragma once

// What a refractometer or a hydrometer shows, from EOS-80 at sea pressure 0,
// and the salinity back from it. Temperatures in deg C, taken as typed, as
// the salt calculators take them. Pure functions; an overflow or invalid
// operation throws runtime::RuntimeError (6), a division by zero 11.

#include <optional>

namespace seawater {

// Density of pure water (Standard Mean Ocean Water) at one atmosphere, kg/m^3;
// the same evaluation as inside density0, so that density0(0, t) equals it.
double pureWaterDensity(double t);

// Specific gravity t/t: the density of seawater of salinity s over that of
// pure water, both at temperature t.
double specificGravity(double s, double t);

// 1/K, the conventional cubic expansion of hydrometer glass (ISO 1768).
inline constexpr double glassExpansion = 25e-6;

// Density in kg/m^3 of water in which a glass hydrometer, graduated in
// specific gravity tRef/tRef at tRef, shows `reading` at temperature t. The
// warmer glass displaces more water, so the same mark means lighter water.
double hydrometerDensity(double reading, double tRef, double t);

// The salinities the inverses below search.
inline constexpr double exactSalinityLow = 0.0;
inline constexpr double exactSalinityHigh = 42.0;

// The salinity from exactSalinityLow to exactSalinityHigh at which seawater
// of temperature t has density rho (kg/m^3, sea pressure 0), or specific
// gravity sg t/t: the nearest double the search finds, empty when no
// salinity in that range gives the value at t.
std::optional<double> salinityFromDensity(double rho, double t);
std::optional<double> salinityFromSpecificGravity(double sg, double t);

}  // namespace seawater
