#include "unchecked_eos80.hpp"

#include <array>
#include <cmath>
#include <cstddef>

#include "seawater/eos80.hpp"
#include "seawater/eos80_coefficients.hpp"

namespace unchecked {

namespace {

template <std::size_t N>
double horner(const std::array<double, N>& c, double t) {
    double r = c[N - 1];
    for (std::size_t k = N - 1; k-- > 0;) r = r * t + c[k];
    return r;
}

template <std::size_t N>
double ascending(const std::array<double, N>& c, const std::array<double, 5>& powers) {
    double r = c[0];
    for (std::size_t k = 1; k < N; ++k) r = r + c[k] * powers[k];
    return r;
}

}  // namespace

namespace eos80 = seawater::eos80;

double density0(double s, double t) {
    const double rhoW = horner(eos80::pureWaterDensity, t);
    const double a = horner(eos80::alpha, t);
    const double b = horner(eos80::beta, t);
    const double r = std::sqrt(s);
    return rhoW + s * ((a + b * r) + eos80::gamma * s);
}

double density(double s, double t, double p) {
    const double t2 = t * t;
    const double t3 = t * t2;
    const double t4 = t * t3;
    const std::array<double, 5> powers{1.0, t, t2, t3, t4};
    const double rho0 = density0(s, t);
    const double kw = ascending(eos80::pureWaterBulkModulus, powers);
    const double f = ascending(eos80::f, powers);
    const double g = ascending(eos80::g, powers);
    const double aw = ascending(eos80::pureWaterA, powers);
    const double h = ascending(eos80::h, powers);
    const double bw = ascending(eos80::pureWaterB, powers);
    const double m = ascending(eos80::m, powers);
    const double s15 = std::sqrt(s) * s;
    const double bar = p / 10.0;
    const double k0 = (kw + s * f) + s15 * g;
    const double a = (aw + s * h) + s15 * eos80::j;
    const double b = bw + s * m;
    const double k = (k0 + a * bar) + (b * bar) * bar;
    return rho0 / (1.0 - bar / k);
}

double salinityd(double rho, double t) {
    double lo = seawater::salinitySearchLow;
    double hi = seawater::salinitySearchHigh;
    double mid = 0.0;
    double e = 1.0;
    for (int n = 0; n < seawater::salinitySearchStepCap && std::fabs(e) > seawater::salinitySearchTolerance; ++n) {
        mid = (lo + hi) / 2.0;
        e = (density(mid, t, 0.0) - rho) / rho;
        (e > 0.0 ? hi : lo) = mid;
    }
    return mid;
}

}  // namespace unchecked
