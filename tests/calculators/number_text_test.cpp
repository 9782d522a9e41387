#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calculators/calculators.hpp"
#include "support/error_of.hpp"
#include "support/regional_settings.hpp"

namespace {

using calculators::RegionalSettings;
using calculators::toNumber;
using calculators::toText;
using testsupport::errorOf;

using testsupport::english;
using testsupport::german;
const RegionalSettings swiss{".", "\u2019"};  // a multi-byte group separator

struct Accepted {
    const char* text;
    double value;
};

TEST(ToNumber, ReadsGermanNumbers) {
    const Accepted table[] = {
        {"1,023", 1.023},    {"25", 25},        {"  20  ", 20},     {"\t-7,5 ", -7.5},
        {"+3", 3},           {",5", 0.5},       {"5,", 5},          {"1.000", 1000},
        {"1.000,25", 1000.25}, {"12.345.678", 12345678}, {"1,5E+20", 1.5e20},
        {"1,5e-5", 1.5e-5},  {"2E3", 2000},     {"-0", 0},          {"007", 7},
        {"1e-400", 0},       {"1,7976931348623157E308", std::numeric_limits<double>::max()},
    };
    for (const auto& row : table) EXPECT_EQ(toNumber(row.text, german), row.value) << row.text;
}

TEST(ToNumber, ReadsEnglishAndOtherGroupSeparators) {
    const Accepted table[] = {
        {"1.023", 1.023}, {"1,000", 1000}, {"1,000.5", 1000.5}, {".5", 0.5}, {"5.", 5},
    };
    for (const auto& row : table) EXPECT_EQ(toNumber(row.text, english), row.value) << row.text;
    EXPECT_EQ(toNumber("1\u2019000.5", swiss), 1000.5);
}

TEST(ToNumber, RejectsEveryTextThatIsNotANumber) {
    const std::string hostile[] = {
        "", "   ", "inf", "-inf", "nan", "NaN", "0x1A", "0x1p3", "--1", "+-1", "-+1",
        "1,2,3", "1.02", "1.0000", "1..000", "1.000.00", ".000", "1 000", "abc", "12a",
        "a12", "1,0e", "1e", "e5", ",", "-", "+", "1e+", "1e5,5", "1,5,", "\xef\xbc\x91",
        "\xd9\xa1", "\xe0\xa5\xa7", std::string("1\0", 2), std::string("\0", 1), "1;5",
        "(1)", "1-", "1e--5", "\xc2\xa0" "1",
    };
    for (const auto& text : hostile) {
        EXPECT_EQ(errorOf([&] { return toNumber(text, german); }), runtime::TypeMismatch)
            << "'" << text << "'";
    }
    // What is a number under one setting need not be one under the other.
    EXPECT_EQ(errorOf([&] { return toNumber("1.000,5", english); }), runtime::TypeMismatch);
    EXPECT_EQ(errorOf([&] { return toNumber("1,02", english); }), runtime::TypeMismatch);
}

TEST(ToNumber, TellsOverflowFromUnderflow) {
    const std::string million(1'000'000, '1');
    const struct {
        std::string text;
        std::optional<int> error;
    } table[] = {
        {"1e400", runtime::Overflow},
        {"-1e400", runtime::Overflow},
        {"1,8E308", runtime::Overflow},
        {"0,0001e99999999999999999999", runtime::Overflow},
        {million, runtime::Overflow},
        {"0," + million, std::nullopt},
        {"1e-99999999999999999999", std::nullopt},
        {"0," + std::string(1'000'000, '0') + "1", std::nullopt},
        {"1000e-310", std::nullopt},
    };
    for (const auto& row : table) {
        EXPECT_EQ(errorOf([&] { return toNumber(row.text, german); }), row.error)
            << row.text.substr(0, 40);
    }
    EXPECT_EQ(toNumber("0," + std::string(1'000'000, '0') + "1", german), 0.0);
    EXPECT_EQ(toNumber("1e-310", german), 1e-310);  // subnormals are kept
}

struct Written {
    double value;
    const char* german;
};

TEST(ToText, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
    const Written table[] = {
        {690.91, "690,91"},
        {690.9, "690,9"},
        {45.0, "45"},
        {0.0, "0"},
        {-0.0, "0"},
        {-47.76, "-47,76"},
        {598.14 - 573.24, "24,9"},  // the subtraction's tiny remainder stays hidden
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {123456.789, "123456,789"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e20, "1,5E+20"},
        {-1.5e20, "-1,5E+20"},
        {1.23456789012345678e17, "1,23456789012346E+17"},
        {1e100, "1E+100"},
        {0.0001, "0,0001"},
        {0.00012345, "0,00012345"},
        {1.5e-5, "1,5E-05"},
        {9.99e-5, "9,99E-05"},
        {5e-324, "4,94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1,79769313486232E+308"},
        {100.0, "100"},
        {32767.0, "32767"},
    };
    for (const auto& row : table) EXPECT_EQ(toText(row.value, german), row.german) << row.value;
    EXPECT_EQ(toText(690.91, english), "690.91");
    EXPECT_EQ(toText(1.5e-5, english), "1.5E-05");
}

TEST(ToFixedText, RoundsTheExactValueHalfAwayFromZero) {
    const struct {
        double value;
        int decimals;
        const char* german;
    } table[] = {
        {35.0412, 2, "35,04"},        {1.0233749, 5, "1,02337"},  {1.0233751, 5, "1,02338"},
        {0.125, 2, "0,13"},           {-0.125, 2, "-0,13"},       {2.5, 0, "3"},
        {-2.5, 0, "-3"},              {35.045, 2, "35,05"},       {1.005, 2, "1,00"},
        {0.0, 2, "0,00"},             {-0.004, 2, "0,00"},        {-0.005, 2, "-0,01"},
        {9.9996, 3, "10,000"},        {999.95, 1, "1000,0"},      {53.0651, 1, "53,1"},
        {1234567.891, 2, "1234567,89"}, {1e-30, 5, "0,00000"},    {7.0, 1, "7,0"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(calculators::toFixedText(row.value, row.decimals, german), row.german)
            << row.value << " to " << row.decimals;
    }
    EXPECT_EQ(calculators::toFixedText(1.0264, 4, english), "1.0264");
    EXPECT_EQ(calculators::toFixedText(1e308, 1, english).size(), 311U);
    for (double bad : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_EQ(errorOf([&] { return calculators::toFixedText(bad, 2, german); }),
                  runtime::Overflow);
    }
}

TEST(ToText, ReadsBackAsTheSameFifteenDigitNumber) {
    for (double x : {1.023, 34.5458984375, -690.92, 1e-4, 7.5e-7, 3.14159265358979, 1e15, 1e300}) {
        const double back = toNumber(toText(x, german), german);
        EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << x;
    }
}

// Qt sets the C library's locale from the environment; under a German locale
// strtod and printf read and write a decimal comma. The number rules must not
// notice.
TEST(NumberText, IgnoresTheCLibraryLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 missing";
    EXPECT_EQ(toNumber("1.5", english), 1.5);
    EXPECT_EQ(toNumber("1,5", german), 1.5);
    EXPECT_EQ(toText(1.5, english), "1.5");
    EXPECT_EQ(toText(1234567.25, german), "1234567,25");
    EXPECT_EQ(toText(1.5e-5, english), "1.5E-05");
    EXPECT_EQ(calculators::toFixedText(1.02337, 5, german), "1,02337");
    std::setlocale(LC_ALL, "C");
}

TEST(Truncate2, CutsTowardsMinusInfinity) {
    const struct {
        double in, out;
    } table[] = {
        {7.336, 7.33},   {-47.754, -47.76}, {37.9, 37.9},     {690.91796875, 690.91},
        {-690.91796875, -690.92}, {0.00758, 0.0}, {-0.00758, -0.01}, {45.0, 45.0},
        {150.84, 150.84}, {0.0, 0.0},
    };
    for (const auto& row : table) EXPECT_EQ(calculators::truncate2(row.in), row.out) << row.in;
    EXPECT_EQ(errorOf([] { return calculators::truncate2(1e307); }), runtime::Overflow);
}

}  // namespace
