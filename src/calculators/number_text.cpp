// Conversion between field texts and numbers under the user's regional
// settings. Deliberately independent of the C library's locale: Qt sets that
// from the environment at start-up, and under a German locale strtod and
// printf would change meaning behind our back.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>
#ifndef __cpp_lib_to_chars
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#endif

#include "calculators/calculators.hpp"
#include "runtime/runtime_error.hpp"

namespace calculators {

namespace {

constexpr int maxSignificantDigits = 15;
constexpr int firstExponentFormAbove = 15;  // 1E15 and up are written with an exponent
constexpr int lastFixedFormBelow = -4;      // so are numbers below 1E-4

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

[[noreturn]] void notANumber() { throw runtime::RuntimeError(runtime::TypeMismatch); }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Reads a text piece by piece; every accepted character moves the cursor on.
class Cursor {
public:
    explicit Cursor(std::string_view s) : rest_(s) {}

    [[nodiscard]] bool atEnd() const { return rest_.empty(); }
    bool take(std::string_view token) {
        if (token.empty() || !rest_.starts_with(token)) return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    bool takeOneOf(std::string_view chars, char& taken) {
        if (rest_.empty() || chars.find(rest_.front()) == std::string_view::npos) return false;
        taken = rest_.front();
        rest_.remove_prefix(1);
        return true;
    }
    std::string_view takeDigits() {
        std::size_t n = 0;
        while (n < rest_.size() && isDigit(rest_[n])) ++n;
        const auto digits = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return digits;
    }

private:
    std::string_view rest_;
};

// The integer part: plain digits, or digits grouped in threes by the group
// separator ("1.000" under German settings; "1.02" is not a number).
void readIntegerPart(Cursor& in, const RegionalSettings& rs, std::string& digits) {
    const auto first = in.takeDigits();
    digits += first;
    if (first.empty() || first.size() > 3) return;
    while (!rs.groupSeparator.empty() && rs.groupSeparator != rs.decimalSeparator &&
           in.take(rs.groupSeparator)) {
        const auto group = in.takeDigits();
        if (group.size() != 3) notANumber();
        digits += group;
    }
}

// Decimal exponent of the leading non-zero digit, to tell an overflow from an
// underflow when the value leaves the double range.
long long leadingExponent(std::string_view intDigits, std::string_view fracDigits) {
    const auto i = intDigits.find_first_not_of('0');
    if (i != std::string_view::npos) return static_cast<long long>(intDigits.size() - i) - 1;
    const auto f = fracDigits.find_first_not_of('0');
    if (f != std::string_view::npos) return -static_cast<long long>(f) - 1;
    return 0;
}

long long saturatingExponent(std::string_view digits, bool negative) {
    constexpr long long limit = 1'000'000'000LL;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > limit) {
            value = limit;
            break;
        }
    }
    return negative ? -value : value;
}

// The plain ASCII form ("-12.5e+3") to a double, correctly rounded; a result
// beyond the double range, or one that rounds to zero, is out of range.
std::errc readPlain(const std::string& plain, double& value) {
#ifdef __cpp_lib_to_chars
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc() && end != plain.data() + plain.size()) return std::errc::invalid_argument;
    return ec;
#else
    // Standard libraries without from_chars for double (emscripten's libc++).
    // Their C library has only the "C" locale, so strtod reads '.' as it must.
    errno = 0;
    char* end = nullptr;
    const double read = std::strtod(plain.c_str(), &end);
    if (end != plain.c_str() + plain.size()) return std::errc::invalid_argument;
    // strtod also flags a subnormal result, which from_chars accepts.
    if (errno == ERANGE && (read == 0.0 || std::isinf(read))) return std::errc::result_out_of_range;
    value = read;
    return std::errc();
#endif
}

// The value in scientific form with 15 significant digits ("6.90910000000000e+02").
std::string_view writeScientific(double value, std::array<char, 64>& buf) {
#ifdef __cpp_lib_to_chars
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                         std::chars_format::scientific, maxSignificantDigits - 1);
    if (ec != std::errc()) throw runtime::RuntimeError(runtime::Overflow);
    return {buf.data(), static_cast<std::size_t>(end - buf.data())};
#else
    // As above, the "C" locale only: printf's '.' and correct rounding.
    const int n = std::snprintf(buf.data(), buf.size(), "%.*e", maxSignificantDigits - 1, value);
    if (n <= 0 || static_cast<std::size_t>(n) >= buf.size())
        throw runtime::RuntimeError(runtime::Overflow);
    return {buf.data(), static_cast<std::size_t>(n)};
#endif
}

constexpr int maxFixedDecimals = 20;
// Enough decimals to write every double from 2^-28 up exactly; anything
// smaller rounds to zero at maxFixedDecimals anyway.
constexpr int exactDecimals = 80;

}  // namespace

double toNumber(std::string_view text, const RegionalSettings& rs) {
    Cursor in(trimBlanks(text));

    char sign = '+';
    in.takeOneOf("+-", sign);

    std::string intDigits;
    readIntegerPart(in, rs, intDigits);

    std::string_view fracDigits;
    if (in.take(rs.decimalSeparator)) fracDigits = in.takeDigits();
    if (intDigits.empty() && fracDigits.empty()) notANumber();

    char expSign = '+';
    std::string_view expDigits;
    char e = 0;
    if (in.takeOneOf("Ee", e)) {
        in.takeOneOf("+-", expSign);
        expDigits = in.takeDigits();
        if (expDigits.empty()) notANumber();
    }
    if (!in.atEnd()) notANumber();

    // Hand a plain ASCII form to a conversion that ignores every locale.
    std::string plain;
    plain.reserve(intDigits.size() + fracDigits.size() + expDigits.size() + 4);
    if (sign == '-') plain += '-';
    plain += intDigits.empty() ? std::string_view("0") : std::string_view(intDigits);
    if (!fracDigits.empty()) {
        plain += '.';
        plain += fracDigits;
    }
    if (!expDigits.empty()) {
        plain += 'e';
        plain += expSign;
        plain += expDigits;
    }

    double value = 0.0;
    const std::errc ec = readPlain(plain, value);
    if (ec == std::errc::result_out_of_range) {
        const long long magnitude =
            leadingExponent(intDigits, fracDigits) + saturatingExponent(expDigits, expSign == '-');
        if (magnitude >= 0) throw runtime::RuntimeError(runtime::Overflow);
        return sign == '-' ? -0.0 : 0.0;  // too small to represent
    }
    if (ec != std::errc()) notANumber();
    if (!std::isfinite(value)) throw runtime::RuntimeError(runtime::Overflow);
    return value;
}

std::string toText(double value, const RegionalSettings& rs) {
    if (!std::isfinite(value)) throw runtime::RuntimeError(runtime::Overflow);
    if (value == 0.0) return "0";  // negative zero included

    std::array<char, 64> buf{};
    const std::string_view sci = writeScientific(value, buf);

    const bool negative = sci.front() == '-';
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos)) {
        if (isDigit(c)) digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    const auto expText = sci.substr(ePos + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                    expText.data() + expText.size(), exponent);

    std::string out = negative ? "-" : "";
    const auto n = static_cast<int>(digits.size());
    if (exponent >= firstExponentFormAbove || exponent < lastFixedFormBelow) {
        out += digits[0];
        if (n > 1) {
            out += rs.decimalSeparator;
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '0';
        out += rs.decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else if (n > exponent + 1) {
        const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
        out.append(digits, 0, wholeDigits);
        out += rs.decimalSeparator;
        out.append(digits, wholeDigits);
    } else {
        out += digits;
        out.append(static_cast<std::size_t>(exponent + 1 - n), '0');
    }
    return out;
}

std::string toFixedText(double value, int decimals, const RegionalSettings& rs) {
    if (!std::isfinite(value) || decimals < 0 || decimals > maxFixedDecimals) {
        throw runtime::RuntimeError(runtime::Overflow);
    }
    // The exact expansion of the double, so that the rounding below sees the
    // true value, never a neighbour printf has already rounded to.
    std::array<char, 400> buf{};
#ifdef __cpp_lib_to_chars
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                         std::chars_format::fixed, exactDecimals);
    if (ec != std::errc()) throw runtime::RuntimeError(runtime::Overflow);
    const std::string_view exact(buf.data(), static_cast<std::size_t>(end - buf.data()));
#else
    // As in writeScientific: the "C" locale only, so printf's '.' it is.
    const int n = std::snprintf(buf.data(), buf.size(), "%.*f", exactDecimals, std::fabs(value));
    if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) {
        throw runtime::RuntimeError(runtime::Overflow);
    }
    const std::string_view exact(buf.data(), static_cast<std::size_t>(n));
#endif
    const auto point = exact.find('.');

    std::string digits(exact.substr(0, point));
    digits.append(exact.substr(point + 1, static_cast<std::size_t>(decimals)));
    if (exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        auto at = digits.size();
        while (at > 0 && digits[at - 1] == '9') digits[--at] = '0';
        if (at == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[at - 1];
        }
    }

    const auto wholeDigits = digits.size() - static_cast<std::size_t>(decimals);
    std::string out;
    if (std::signbit(value) && digits.find_first_not_of('0') != std::string::npos) out += '-';
    out.append(digits, 0, wholeDigits);
    if (decimals > 0) {
        out += rs.decimalSeparator;
        out.append(digits, wholeDigits);
    }
    return out;
}

}  // namespace calculators
