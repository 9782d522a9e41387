#pragma once

// Whole days from a count worked out of typed decimals. Such a count is off
// from the decimal figure by a few units in its last binary place (8,3 - 7,3
// is 1.0000000000000009): that error must not make a day more or a day less.

#include <cmath>

#include "runtime/checked.hpp"

namespace calculators {

// Far above the error of a few operations on doubles, far below anything a
// keeper could mean.
inline constexpr double dayCountSlack = 1e-12;  // relative

// Whole days a supply lasts: the count rounded down.
inline double wholeDaysDown(double days) {
    return runtime::checked::floorOf(runtime::checked::mul(days, 1.0 + dayCountSlack));
}

// Whole days a dose needs: the count rounded up.
inline double wholeDaysUp(double days) {
    return std::ceil(runtime::checked::mul(days, 1.0 - dayCountSlack));
}

}  // namespace calculators
