#pragma once

// Arithmetic that ends with a numbered run-time error instead of letting an
// overflow or an invalid operation slip silently into a result the user sees.
//
// Each step inspects its own result rather than the floating-point status
// flags: the optimiser may move operations across fetestexcept, but it cannot
// move them across a test of the value they produced.

#include <cmath>
#include <cstdint>

#include "runtime/runtime_error.hpp"

namespace runtime::checked {

[[noreturn]] void fail(int number);

// An infinite result of finite operands is an overflow; a NaN is an invalid
// operation, which this program reports as an overflow too.
[[nodiscard]] inline double ensureFinite(double r) {
    if (!std::isfinite(r)) [[unlikely]] {
        fail(Overflow);
    }
    return r;
}

[[nodiscard]] inline double add(double a, double b) { return ensureFinite(a + b); }
[[nodiscard]] inline double sub(double a, double b) { return ensureFinite(a - b); }
[[nodiscard]] inline double mul(double a, double b) { return ensureFinite(a * b); }

[[nodiscard]] inline double div(double a, double b) {
    if (b == 0.0) [[unlikely]] {
        // 0/0 is an invalid operation, anything else over zero a division by zero.
        fail(a == 0.0 || std::isnan(a) ? Overflow : DivisionByZero);
    }
    return ensureFinite(a / b);
}

// The square root of a negative number is an invalid argument, not an overflow.
[[nodiscard]] inline double squareRoot(double x) {
    if (x < 0.0) [[unlikely]] {
        fail(InvalidArgument);
    }
    return ensureFinite(std::sqrt(x));
}

[[nodiscard]] inline double floorOf(double x) { return ensureFinite(std::floor(x)); }

// A whole number held in a 16-bit signed integer, as the magnesium day count is.
[[nodiscard]] inline std::int16_t toInt16(double wholeNumber) {
    if (!(wholeNumber >= -32768.0 && wholeNumber <= 32767.0)) [[unlikely]] {
        fail(Overflow);
    }
    return static_cast<std::int16_t>(wholeNumber);
}

}  // namespace runtime::checked
