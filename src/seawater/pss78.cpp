#include "seawater/pss78.hpp"

#include "runtime/checked.hpp"
#include "seawater/numerics.hpp"
#include "seawater/pss78_coefficients.hpp"

namespace seawater {

namespace {

using namespace runtime::checked;
using numerics::horner;

// The search interval of the conductivity ratio. At ratio 5 the salinity is
// above 100 from -2 to 40 deg C and at any pressure of the sea.
constexpr double ratioSearchLow = 0.0;
constexpr double ratioSearchHigh = 5.0;

}  // namespace

double practicalSalinity(double ratio, double t68, double p) {
    const double rt = horner(pss78::c, t68);

    // R_p, the pressure correction of the ratio; 1 at the surface.
    const auto& d = pss78::d;
    const double pressureTerm = ensureFinite(p * horner(pss78::e, p));
    const double pressureScale =
        ensureFinite(((1.0 + d[0] * t68) + d[1] * (t68 * t68)) + ratio * (d[2] + d[3] * t68));
    const double rp = add(1.0, div(pressureTerm, pressureScale));

    const double rtRatio = div(ratio, mul(rp, rt));
    const double root = squareRoot(rtRatio);
    const double dt = sub(t68, 15.0);
    const double weight = div(dt, ensureFinite(1.0 + pss78::k * dt));
    return ensureFinite(horner(pss78::a, root) + weight * horner(pss78::b, root));
}

double conductivityRatio(double s, double t68, double p) {
    const auto salinity = [t68, p](double ratio) { return practicalSalinity(ratio, t68, p); };
    return numerics::bisect(salinity, s, {ratioSearchLow, salinity(ratioSearchLow)},
                            {ratioSearchHigh, salinity(ratioSearchHigh)});
}

double salinityFromConductivity(double mScm, double t90, double p) {
    return practicalSalinity(div(mScm, conductivityAtS35), mul(t68PerT90, t90), p);
}

double conductivityFromSalinity(double s, double t90, double p) {
    return mul(conductivityAtS35, conductivityRatio(s, mul(t68PerT90, t90), p));
}

}  // namespace seawater
