#pragma once

// Coefficients of EOS-80, the international one-atmosphere and high-pressure
// equation of state of seawater.
// Source: UNESCO (1983), Algorithms for computation of fundamental properties
// of seawater, N.P. Fofonoff and R.C. Millard Jr., UNESCO Technical Papers in
// Marine Science 44, pp. 15-19 (equations of state, table of coefficients).
//
// Each array holds one group's coefficients by ascending power of the
// temperature T in deg C (IPTS-68 as published; used here without conversion),
// element k multiplying T^k. S is practical salinity (PSS-78, dimensionless),
// p is pressure in bar.

#include <array>

namespace seawater::eos80 {

// Laid out as the source's table rows, not reflowed.
// clang-format off

// rho_w: density of Standard Mean Ocean Water at one atmosphere, kg/m^3.
inline constexpr std::array<double, 6> pureWaterDensity{
    999.842594, 6.793952e-2, -9.095290e-3, 1.001685e-4, -1.120083e-6, 6.536332e-9};

// alpha: one-atmosphere coefficient of S, kg/m^3.
inline constexpr std::array<double, 5> alpha{
    8.24493e-1, -4.0899e-3, 7.6438e-5, -8.2467e-7, 5.3875e-9};

// beta: one-atmosphere coefficient of S^1.5, kg/m^3.
inline constexpr std::array<double, 3> beta{-5.72466e-3, 1.0227e-4, -1.6546e-6};

// gamma: one-atmosphere coefficient of S^2, kg/m^3.
inline constexpr double gamma = 4.8314e-4;

// K_w: secant bulk modulus of pure water at one atmosphere, bar.
inline constexpr std::array<double, 5> pureWaterBulkModulus{
    19652.21, 148.4206, -2.327105, 1.360477e-2, -5.155288e-5};

// f: coefficient of S in the one-atmosphere bulk modulus, bar.
inline constexpr std::array<double, 4> f{54.6746, -0.603459, 1.09987e-2, -6.1670e-5};

// g: coefficient of S^1.5 in the one-atmosphere bulk modulus, bar.
inline constexpr std::array<double, 3> g{7.944e-2, 1.6483e-2, -5.3009e-4};

// A_w: pure-water part of the pressure coefficient A, dimensionless.
inline constexpr std::array<double, 4> pureWaterA{
    3.239908, 1.43713e-3, 1.16092e-4, -5.77905e-7};

// h: coefficient of S in A, dimensionless.
inline constexpr std::array<double, 3> h{2.2838e-3, -1.0981e-5, -1.6078e-6};

// j: coefficient of S^1.5 in A, dimensionless.
inline constexpr double j = 1.91075e-4;

// B_w: pure-water part of the pressure coefficient B, 1/bar.
inline constexpr std::array<double, 3> pureWaterB{8.50935e-5, -6.12293e-6, 5.2787e-8};

// m: coefficient of S in B, 1/bar.
inline constexpr std::array<double, 3> m{-9.9348e-7, 2.0816e-8, 9.1697e-10};

// clang-format on

}  // namespace seawater::eos80
