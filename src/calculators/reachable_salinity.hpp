#pragma once

#include "calculators/calculators.hpp"

namespace calculators {

// The salinity (taken as grams of sea salt per litre) at which water of the
// temperature (deg C) has the density (kg/m^3). A density that no salinity
// between the search's bounds reaches ends with error 5 naming it, rather than
// an amount computed from a search that ran against its bound.
double reachableSalinity(double density, double temperature, const RegionalSettings& rs);

}  // namespace calculators
