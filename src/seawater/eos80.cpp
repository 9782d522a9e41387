#include "seawater/eos80.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "runtime/checked.hpp"
#include "seawater/eos80_coefficients.hpp"

namespace seawater {

namespace {

using namespace runtime::checked;

// Horner's rule from the highest power down, each step rounded and checked.
template <std::size_t N>
double horner(const std::array<double, N>& c, double t) {
    double r = c[N - 1];
    for (std::size_t k = N - 1; k-- > 0;) r = add(mul(r, t), c[k]);
    return r;
}

// Summed from the constant term upward with precomputed powers of t, as the
// bulk-modulus terms are written in the standard.
template <std::size_t N>
double ascending(const std::array<double, N>& c, const std::array<double, 5>& powers) {
    double r = c[0];
    for (std::size_t k = 1; k < N; ++k) r = add(r, mul(c[k], powers[k]));
    return r;
}

}  // namespace

double density0(double s, double t) {
    const double rhoW = horner(eos80::pureWaterDensity, t);
    const double a = horner(eos80::alpha, t);
    const double b = horner(eos80::beta, t);
    const double r = squareRoot(s);
    // S^1.5 arises as S * (beta * sqrt S); it is never formed on its own here.
    return add(rhoW, mul(s, add(add(a, mul(b, r)), mul(eos80::gamma, s))));
}

double density(double s, double t, double p) {
    const double t2 = mul(t, t);
    const double t3 = mul(t, t2);
    const double t4 = mul(t, t3);
    const std::array<double, 5> powers{1.0, t, t2, t3, t4};

    const double rho0 = density0(s, t);

    const double kw = ascending(eos80::pureWaterBulkModulus, powers);
    const double f = ascending(eos80::f, powers);
    const double g = ascending(eos80::g, powers);
    const double aw = ascending(eos80::pureWaterA, powers);
    const double h = ascending(eos80::h, powers);
    const double bw = ascending(eos80::pureWaterB, powers);
    const double m = ascending(eos80::m, powers);

    const double s15 = mul(squareRoot(s), s);
    const double bar = div(p, 10.0);

    const double k0 = add(add(kw, mul(s, f)), mul(s15, g));
    const double a = add(add(aw, mul(s, h)), mul(s15, eos80::j));
    const double b = add(bw, mul(s, m));
    const double k = add(add(k0, mul(a, bar)), mul(mul(b, bar), bar));

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
