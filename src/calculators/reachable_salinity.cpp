#include "calculators/reachable_salinity.hpp"

#include <string>

#include "runtime/runtime_error.hpp"
#include "seawater/eos80.hpp"

namespace calculators {

double reachableSalinity(double density, double temperature, const RegionalSettings& rs) {
    const auto search = seawater::searchSalinity(density, temperature);
    if (!search.converged) {
        // Named as the user typed it, in kg per litre.
        throw runtime::RuntimeError(runtime::InvalidArgument,
                                    "Die Dichte " + toText(density / 1000.0, rs) +
                                        " Kg/Liter ist bei " + toText(temperature, rs) +
                                        " Grad Celsius mit Meersalz nicht erreichbar.");
    }
    return search.salinity;
}

}  // namespace calculators
