#pragma once

// Coefficients of the Practical Salinity Scale 1978, which defines salinity
// by the conductivity ratio of a sample to standard seawater.
// Source: UNESCO (1983), Algorithms for computation of fundamental properties
// of seawater, N.P. Fofonoff and R.C. Millard Jr., UNESCO Technical Papers in
// Marine Science 44, the section on the practical salinity scale 1978
// (PSS-78, UNESCO/ICES/SCOR/IAPSO Joint Panel, 1981) and its check values.
//
// Each array holds one group's coefficients by ascending power, element k
// multiplying the k-th power of its variable: the square root of the ratio
// R_t for a and b, the temperature t in deg C (IPTS-68) for c, the pressure p
// in decibar for e. S is practical salinity (dimensionless).

#include <array>

namespace seawater::pss78 {

// Laid out as the source's table rows, not reflowed.
// clang-format off

// C(35, 15, 0): conductivity of seawater of salinity 35 at 15 deg C and sea
// pressure 0, mS/cm; the ratio R is a conductivity divided by it.
inline constexpr double conductivityAtS35 = 42.914;

// a: salinity at 15 deg C by powers of R_t^(1/2), dimensionless.
inline constexpr std::array<double, 6> a{
    0.0080, -0.1692, 25.3851, 14.0941, -7.0261, 2.7081};

// b: temperature term of the salinity by powers of R_t^(1/2), dimensionless;
// weighted by (t - 15) / (1 + k (t - 15)).
inline constexpr std::array<double, 6> b{
    0.0005, -0.0056, -0.0066, -0.0375, 0.0636, -0.0144};

// k: 1/deg C.
inline constexpr double k = 0.0162;

// c: r_t, the ratio of the conductivity of salinity 35 at t to that at 15 deg
// C, both at sea pressure 0; c_k in 1/(deg C)^k.
inline constexpr std::array<double, 5> c{
    0.6766097, 2.00564e-2, 1.104259e-4, -6.9698e-7, 1.0031e-9};

// d: denominator of the pressure term R_p,
// 1 + d1 t + d2 t^2 + R (d3 + d4 t); d1 and d4 in 1/deg C, d2 in 1/(deg C)^2,
// d3 dimensionless. Held as {d1, d2, d3, d4}.
inline constexpr std::array<double, 4> d{3.426e-2, 4.464e-4, 4.215e-1, -3.107e-3};

// e: numerator of the pressure term R_p, p (e1 + e2 p + e3 p^2); e_k in
// 1/dbar^k. Held as {e1, e2, e3}.
inline constexpr std::array<double, 3> e{2.070e-5, -6.370e-10, 3.989e-15};

// clang-format on

}  // namespace seawater::pss78
