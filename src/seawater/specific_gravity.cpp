#include "seawater/specific_gravity.hpp"

#include <optional>

#include "runtime/checked.hpp"
#include "seawater/eos80.hpp"
#include "seawater/eos80_coefficients.hpp"
#include "seawater/numerics.hpp"

namespace seawater {

namespace {

using namespace runtime::checked;

// The salinity at which the increasing f(s) equals value, or none when the
// value lies outside what the searched salinities give. A NaN lies outside.
template <class F>
std::optional<double> exactSalinity(const F& f, double value) {
    const numerics::Bound lo{exactSalinityLow, f(exactSalinityLow)};
    const numerics::Bound hi{exactSalinityHigh, f(exactSalinityHigh)};
    if (!(value >= lo.value && value <= hi.value)) return std::nullopt;
    return numerics::bisect(f, value, lo, hi);
}

}  // namespace

double pureWaterDensity(double t) { return numerics::horner(eos80::pureWaterDensity, t); }

double specificGravity(double s, double t) { return div(density0(s, t), pureWaterDensity(t)); }

double hydrometerDensity(double reading, double tRef, double t) {
    const double expansion = ensureFinite(1.0 + glassExpansion * (t - tRef));
    return div(mul(reading, pureWaterDensity(tRef)), expansion);
}

std::optional<double> salinityFromDensity(double rho, double t) {
    return exactSalinity([t](double s) { return density0(s, t); }, rho);
}

std::optional<double> salinityFromSpecificGravity(double sg, double t) {
    return exactSalinity([t](double s) { return specificGravity(s, t); }, sg);
}

}  // namespace seawater
