#include <string>

#include "calculators/calculators.hpp"
#include "calculators/reachable_salinity.hpp"
#include "runtime/checked.hpp"

namespace calculators {

std::string newWaterResult(std::string_view density, std::string_view temperature,
                           std::string_view litres, const RegionalSettings& rs) {
    using namespace runtime::checked;
    // Fields are read and converted one after another, so the first bad one
    // is the one reported.
    const double rho = mul(toNumber(density, rs), 1000.0);  // kg/L -> kg/m^3
    const double t = toNumber(temperature, rs);
    const double salinity = reachableSalinity(rho, t, rs);
    const double volume = toNumber(litres, rs);
    const double grams = truncate2(mul(volume, salinity));
    return toText(grams, rs) + " Gramm Meersalz werden benötigt";
}

}  // namespace calculators
