#include <string>

#include "calculators/calculators.hpp"
#include "calculators/reachable_salinity.hpp"
#include "runtime/checked.hpp"

namespace calculators {

namespace {

// Both salinities are taken at 0 deg C; the panel has no temperature field.
constexpr double assumedTemperature = 0.0;

}  // namespace

std::string densityChangeResult(std::string_view densityNow, std::string_view densityNew,
                                std::string_view litres, const RegionalSettings& rs) {
    using namespace runtime::checked;
    const double rhoNow = mul(toNumber(densityNow, rs), 1000.0);
    const double rhoNew = mul(toNumber(densityNew, rs), 1000.0);
    const double salinityNow = reachableSalinity(rhoNow, assumedTemperature, rs);
    const double salinityNew = reachableSalinity(rhoNew, assumedTemperature, rs);
    const double volume = toNumber(litres, rs);

    const double gramsNew = truncate2(mul(volume, salinityNew));
    const double gramsNow = truncate2(mul(volume, salinityNow));
    const double difference = sub(gramsNew, gramsNow);
    if (difference >= 0.0) {
        return toText(difference, rs) + " Gramm Meersalz müssen hinzugefügt werden";
    }

    // Every litre replaced takes the present water's salt with it.
    const double excess = mul(difference, -1.0);
    const double replaceLitres = div(floorOf(div(mul(excess, 100.0), salinityNow)), 100.0);
    return "Sie müssen " + toText(replaceLitres, rs) + " Liter Wasser mit Süßwasser ersetzen";
}

}  // namespace calculators
