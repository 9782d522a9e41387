#include "seawater/eos80.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "runtime/checked.hpp"
#include "seawater/eos80_coefficients.hpp"
#include "seawater/numerics.hpp"

namespace seawater {

namespace {

using namespace runtime::checked;
using numerics::horner;

// The polynomials and sums below are chains of + and x only. An overflow or
// invalid operation in any step of such a chain leaves an infinity or a NaN
// that every later + and x carries through to the chain's result (inf*0 and
// inf-inf are NaN), so one test of the result catches the fault of every step
// and reports the same error. Divisions and square roots are tested on their
// own, where a later step could hide their fault.

// Summed from the constant term upward with precomputed powers of t, as the
// bulk-modulus terms are written in the standard.
template <std::size_t N>
double ascending(const std::array<double, N>& c, const std::array<double, 5>& powers) {
    double r = c[0];
    for (std::size_t k = 1; k < N; ++k) r = r + c[k] * powers[k];
    return ensureFinite(r);
}

}  // namespace

double density0(double s, double t) {
    const double rhoW = horner(eos80::pureWaterDensity, t);
    const double a = horner(eos80::alpha, t);
    const double b = horner(eos80::beta, t);
    const double r = squareRoot(s);
    // S^1.5 arises as S * (beta * sqrt S); it is never formed on its own here.
    return ensureFinite(rhoW + s * ((a + b * r) + eos80::gamma * s));
}

double density(double s, double t, double p) {
    const double t2 = t * t;
    const double t3 = t * t2;
    const double t4 = ensureFinite(t * t3);
    const std::array<double, 5> powers{1.0, t, t2, t3, t4};

    const double rho0 = density0(s, t);

    const double kw = ascending(eos80::pureWaterBulkModulus, powers);
    const double f = ascending(eos80::f, powers);
    const double g = ascending(eos80::g, powers);
    const double aw = ascending(eos80::pureWaterA, powers);
    const double h = ascending(eos80::h, powers);
    const double bw = ascending(eos80::pureWaterB, powers);
    const double m = ascending(eos80::m, powers);

    const double s15 = ensureFinite(squareRoot(s) * s);
    const double bar = div(p, 10.0);

    const double k0 = (kw + s * f) + s15 * g;
    const double a = (aw + s * h) + s15 * eos80::j;
    const double b = bw + s * m;
    const double k = ensureFinite((k0 + a * bar) + (b * bar) * bar);

    return div(rho0, sub(1.0, div(bar, k)));
}

SalinitySearch searchSalinity(double rho, double t) {
    double lo = salinitySearchLow;
    double hi = salinitySearchHigh;
    double mid = 0.0;
    double e = 1.0;  // lets the first test pass, so at least one step is taken
    int n = 0;
    while (n < salinitySearchStepCap && std::fabs(e) > salinitySearchTolerance) {
        mid = div(add(lo, hi), 2.0);
        e = div(sub(density(mid, t, 0.0), rho), rho);
        if (e > 0.0) {
            hi = mid;
        } else {
            lo = mid;
        }
        ++n;
    }
    return {mid, n, std::fabs(e) <= salinitySearchTolerance};
}

double salinityd(double rho, double t) { return searchSalinity(rho, t).salinity; }

}  // namespace seawater
