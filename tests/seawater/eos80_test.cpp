#include <gtest/gtest.h>

#include <cmath>

#include "runtime/runtime_error.hpp"
#include "seawater/eos80.hpp"

namespace {

using seawater::density;
using seawater::density0;

// Check values published with EOS-80: UNESCO (1983), Tech. Pap. Mar. Sci. 44,
// table of density check values (S, T in deg C, P in decibar, rho in kg/m^3).
struct CheckValue {
    double s, t, p, rho;
};
constexpr double publishedTolerance = 0.00001;  // kg/m^3, the table's last digit

constexpr CheckValue checkValues[] = {
    {0, 5, 0, 999.96675},     {0, 5, 10000, 1044.12802},  {0, 25, 0, 997.04796},
    {0, 25, 10000, 1037.90204}, {35, 5, 0, 1027.67547},  {35, 5, 10000, 1069.48914},
    {35, 25, 0, 1023.34306},  {35, 25, 10000, 1062.53817},
};

TEST(Density, MatchesThePublishedCheckValues) {
    for (const auto& v : checkValues) {
        EXPECT_NEAR(density(v.s, v.t, v.p), v.rho, publishedTolerance)
            << "S=" << v.s << " T=" << v.t << " P=" << v.p;
    }
    EXPECT_NEAR(density(40, 40, 10000) - 1000.0, 59.82037, publishedTolerance);
    EXPECT_NEAR(density0(35, 0), 1028.1063, 0.00005);
}

TEST(Density, AtSeaPressureZeroIsExactlyTheOneAtmosphereDensity) {
    for (double s : {0.0, 0.5, 34.5458984375, 100.0}) {
        for (double t : {-2.0, 0.0, 25.0, 40.0}) {
            EXPECT_EQ(density(s, t, 0.0), density0(s, t)) << s << " " << t;
        }
    }
}

TEST(Density, OfPureWaterAtZeroDegreesIsTheSmowConstant) {
    EXPECT_EQ(density0(0.0, 0.0), 999.842594);
}

TEST(Density, FailsWithTheErrorOfTheStepThatFails) {
    const struct {
        double s, t;
        int error;
    } table[] = {
        {-1.0, 10.0, runtime::InvalidArgument},  // root of a negative salinity
        {35.0, 1e80, runtime::Overflow},         // T^5 leaves the double range
        {35.0, -1e80, runtime::Overflow},
    };
    for (const auto& row : table) {
        for (bool atPressure : {false, true}) {
            try {
                const double rho = atPressure ? density(row.s, row.t, 0.0) : density0(row.s, row.t);
                ADD_FAILURE() << "no error, rho " << rho;
            } catch (const runtime::RuntimeError& e) {
                EXPECT_EQ(e.number(), row.error) << row.s << " " << row.t;
            }
        }
    }
}

TEST(SalinitySearch, FindsTheNewWaterExampleInTwelveSteps) {
    const auto search = seawater::searchSalinity(1023.0, 25.0);
    EXPECT_EQ(search.steps, 12);
    EXPECT_TRUE(search.converged);
    EXPECT_EQ(search.salinity, 34.5458984375);
    EXPECT_EQ(seawater::salinityd(1023.0, 25.0), 34.5458984375);
    EXPECT_EQ(seawater::salinityd(1023.0, 0.0), 28.662109375);
}

TEST(SalinitySearch, StopsAtTheFirstMidpointWithinTolerance) {
    const auto search = seawater::searchSalinity(density(50.0, 20.0, 0.0), 20.0);
    EXPECT_EQ(search.steps, 1);
    EXPECT_EQ(search.salinity, 50.0);
}

TEST(SalinitySearch, MeetsEveryReachableDensityOfAquariumWaterQuickly) {
    for (double t : {-2.0, 0.0, 10.0, 25.0, 35.0}) {
        for (double s : {0.1, 5.0, 20.0, 30.0, 35.0, 40.0, 70.0, 99.9}) {
            const auto search = seawater::searchSalinity(density(s, t, 0.0), t);
            EXPECT_TRUE(search.converged) << s << " " << t;
            EXPECT_LE(search.steps, 14) << s << " " << t;
            EXPECT_NEAR(search.salinity, s, 0.02) << s << " " << t;
        }
    }
}

TEST(SalinitySearch, EndsAtTheStepCapForUnreachableDensities) {
    const struct {
        double rho;
        double expected;
    } table[] = {
        {990.0, std::ldexp(100.0, -1000)},  // below pure water: every step lowers hi
        {1500.0, 100.0},                    // above salinity 100: every step raises lo
        {-5.0, 100.0},                      // negative: the error is always negative
    };
    for (const auto& row : table) {
        const auto search = seawater::searchSalinity(row.rho, 25.0);
        EXPECT_EQ(search.steps, seawater::salinitySearchStepCap) << row.rho;
        EXPECT_FALSE(search.converged) << row.rho;
        EXPECT_EQ(search.salinity, row.expected) << row.rho;
        EXPECT_EQ(seawater::salinityd(row.rho, 25.0), row.expected) << row.rho;
    }
}

TEST(SalinitySearch, ADensityOfZeroIsADivisionByZero) {
    try {
        (void)seawater::salinityd(0.0, 25.0);
        FAIL() << "no error";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::DivisionByZero);
    }
}

}  // namespace
