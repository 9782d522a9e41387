#pragma once

// A plain twin of the equation of state without any floating-point checks,
// same operations in the same order, so the benchmark shows what the checks
// cost.

namespace unchecked {

double density0(double s, double t);
double density(double s, double t, double p);
double salinityd(double rho, double t);

}  // namespace unchecked
