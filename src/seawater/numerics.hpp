#pragma once

// The polynomial evaluation and the root search shared by the seawater
// sources. Internal to them; the public functions are declared in eos80.hpp,
// pss78.hpp and specific_gravity.hpp.

#include <array>
#include <cstddef>

#include "runtime/checked.hpp"

namespace seawater::numerics {

// Horner's rule from the highest power down, each step rounded to double.
// An overflow or invalid operation in any step leaves an infinity or a NaN
// that every later + and x carries through, so one test of the result
// catches the fault of every step.
template <std::size_t N>
double horner(const std::array<double, N>& c, double x) {
    double r = c[N - 1];
    for (std::size_t k = N - 1; k-- > 0;) r = r * x + c[k];
    return runtime::checked::ensureFinite(r);
}

// One end of a search interval and the function's value there.
struct Bound {
    double x;
    double value;
};

// The x between lo.x and hi.x at which the increasing function f comes
// nearest to target, for lo.value <= target <= hi.value (otherwise the nearer
// end). Bisects until the midpoint is one of the ends, that is until the two
// ends are neighbouring doubles, so the answer is as exact as f allows.
template <class F>
double bisect(const F& f, double target, Bound lo, Bound hi) {
    for (;;) {
        const double mid = runtime::checked::div(runtime::checked::add(lo.x, hi.x), 2.0);
        if (mid == lo.x || mid == hi.x) break;
        const double value = f(mid);
        if (value < target) {
            lo = {mid, value};
        } else {
            hi = {mid, value};
        }
    }
    const double below = runtime::checked::sub(target, lo.value);
    const double above = runtime::checked::sub(hi.value, target);
    return below <= above ? lo.x : hi.x;
}

}  // namespace seawater::numerics
