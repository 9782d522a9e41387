#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "runtime/checked.hpp"
#include "runtime/runtime_error.hpp"

namespace {

using namespace runtime::checked;

constexpr double big = std::numeric_limits<double>::max();

struct FailingStep {
    const char* name;
    std::function<double()> step;
    int expectedError;
};

class CheckedArithmeticFails : public testing::TestWithParam<FailingStep> {};

TEST_P(CheckedArithmeticFails, WithTheErrorOfItsKind) {
    try {
        const double r = GetParam().step();
        FAIL() << "no error, result " << r;
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), GetParam().expectedError);
        EXPECT_STREQ(e.what(), runtime::standardText(GetParam().expectedError));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CheckedArithmeticFails,
    testing::Values(
        FailingStep{"ProductOverflows", [] { return mul(big, 2.0); }, runtime::Overflow},
        FailingStep{"SumOverflows", [] { return add(big, big); }, runtime::Overflow},
        FailingStep{"DifferenceOverflows", [] { return sub(-big, big); }, runtime::Overflow},
        FailingStep{"QuotientOverflows", [] { return div(big, 0.5); }, runtime::Overflow},
        FailingStep{"NonZeroOverZero", [] { return div(1.0, 0.0); }, runtime::DivisionByZero},
        FailingStep{"NegativeOverZero", [] { return div(-3.0, 0.0); }, runtime::DivisionByZero},
        FailingStep{"ZeroOverZeroIsInvalid", [] { return div(0.0, 0.0); }, runtime::Overflow},
        FailingStep{"NaNOperandIsInvalid",
                    [] { return add(std::numeric_limits<double>::quiet_NaN(), 1.0); },
                    runtime::Overflow},
        FailingStep{"RootOfNegative", [] { return squareRoot(-1e-300); }, runtime::InvalidArgument},
        FailingStep{"Int16AboveRange", [] { return double(toInt16(32768.0)); }, runtime::Overflow},
        FailingStep{"Int16BelowRange", [] { return double(toInt16(-32769.0)); }, runtime::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckedArithmetic, KeepsEveryFiniteResultExact) {
    EXPECT_EQ(squareRoot(-0.0), 0.0);
    EXPECT_EQ(floorOf(-47.754 * 100.0), -4776.0);
    EXPECT_EQ(toInt16(32767.0), 32767);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    // Underflow is not an error: a tiny product quietly becomes (sub)normal or 0.
    EXPECT_EQ(mul(1e-300, 1e-300), 0.0);
}

TEST(RuntimeError, CarriesNumberAndGermanText) {
    const struct {
        int number;
        const char* text;
    } table[] = {
        {5, "Unzulässiger Prozeduraufruf oder ungültiges Argument"},
        {6, "Überlauf"},
        {11, "Division durch Null"},
        {13, "Typen unverträglich"},
        {53, "Datei nicht gefunden"},
    };
    for (const auto& row : table) {
        const runtime::RuntimeError e(row.number);
        EXPECT_EQ(e.number(), row.number);
        EXPECT_STREQ(e.what(), row.text);
    }
    const runtime::RuntimeError specific(5, "Die Dichte ist nicht erreichbar.");
    EXPECT_EQ(specific.number(), 5);
    EXPECT_STREQ(specific.what(), "Die Dichte ist nicht erreichbar.");
}

}  // namespace
