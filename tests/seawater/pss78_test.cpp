#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/runtime_error.hpp"
#include "seawater/pss78.hpp"
#include "support/error_of.hpp"

namespace {

using seawater::conductivityFromSalinity;
using seawater::conductivityRatio;
using seawater::practicalSalinity;
using seawater::salinityFromConductivity;
using testsupport::errorOf;

// Check values published with PSS-78: UNESCO (1983), Tech. Pap. Mar. Sci. 44
// (conductivity ratio R, t in deg C on IPTS-68, p in decibar, S), each to the
// last digit printed there.
struct RatioCheck {
    double ratio, t68, p, s, tolerance;
};
constexpr RatioCheck ratioChecks[] = {
    {1.0, 15.0, 0.0, 35.000000, 5e-7},
    {1.2, 20.0, 2000.0, 37.245628, 5e-7},
    {0.65, 5.0, 1500.0, 27.995347, 5e-7},
    {1.888091, 40.0, 10000.0, 40.0000, 5e-5},
};

TEST(PracticalSalinity, MatchesThePublishedCheckValues) {
    for (const auto& v : ratioChecks) {
        EXPECT_NEAR(practicalSalinity(v.ratio, v.t68, v.p), v.s, v.tolerance)
            << "R=" << v.ratio << " t=" << v.t68 << " p=" << v.p;
    }
}

// Inverted, the printed salinity gives back the ratio to within what its last
// digit allows: the digit's half over dS/dR, about 30 near these ratios.
TEST(ConductivityRatio, GivesBackThePublishedRatios) {
    for (const auto& v : ratioChecks) {
        EXPECT_NEAR(conductivityRatio(v.s, v.t68, v.p), v.ratio, v.tolerance / 20.0)
            << "S=" << v.s << " t=" << v.t68 << " p=" << v.p;
    }
}

// TEOS-10's gsw_SP_from_C on the check values of the GSW toolbox (C in mS/cm,
// t on ITS-90, p in decibar); the same PSS-78 in another program, so they
// agree far beyond the published digits.
struct ConductivityCheck {
    double mScm, t90, p, s;
};
constexpr double teos10Tolerance = 1e-9;

// clang-format off
constexpr ConductivityCheck conductivityChecks[] = {
    {34.5487, 28.7856, 10.0, 20.009869599086951},
    {34.7275, 28.4329, 50.0, 20.265511864874270},
    {34.8605, 22.8103, 125.0, 22.981513062527689},
    {34.6810, 10.2600, 250.0, 31.204503263727982},
    {34.5680, 6.8863, 600.0, 34.032315787432829},
    {34.5600, 4.4036, 1000.0, 36.400308494388170},
};
// clang-format on

TEST(SalinityFromConductivity, AgreesWithTeos10) {
    for (const auto& v : conductivityChecks) {
        EXPECT_NEAR(salinityFromConductivity(v.mScm, v.t90, v.p), v.s, teos10Tolerance)
            << "C=" << v.mScm << " t=" << v.t90 << " p=" << v.p;
        EXPECT_NEAR(conductivityFromSalinity(v.s, v.t90, v.p), v.mScm, teos10Tolerance)
            << "S=" << v.s << " t=" << v.t90 << " p=" << v.p;
    }
}

TEST(ConductivityFromSalinity, OfNaturalSeawaterAtTwentyFiveDegrees) {
    // What a probe without compensation shows in an aquarium of salinity 35.
    EXPECT_NEAR(conductivityFromSalinity(35.0, 25.0), 53.07, 0.005);
}

// Salinity to conductivity and back over the range where PSS-78 holds, on
// the tank's temperatures and at two pressures.
constexpr double roundTripTolerance = 1e-10;  // psu

TEST(ConductivityFromSalinity, GoesBackToTheSalinityToNearDoublePrecision) {
    for (double p : {0.0, 1000.0}) {
        for (double t = -2.0; t <= 35.0; t += 0.5) {
            for (double s = 2.0; s <= 42.0; s += 0.25) {
                const double back =
                    salinityFromConductivity(conductivityFromSalinity(s, t, p), t, p);
                EXPECT_NEAR(back, s, roundTripTolerance) << "S=" << s << " t=" << t << " p=" << p;
            }
        }
    }
}

// The ratio found is the double whose salinity is nearest: neither neighbour
// does better, which a search that stops at a tolerance would miss.
TEST(ConductivityRatio, IsTheNearestDouble) {
    for (double t68 : {-2.0, 10.0, 25.0, 35.0}) {
        for (double s : {2.0, 10.0, 30.0, 35.0, 37.5, 42.0}) {
            const double ratio = conductivityRatio(s, t68, 0.0);
            const double error = std::fabs(practicalSalinity(ratio, t68, 0.0) - s);
            for (double toward : {0.0, 5.0}) {
                const double neighbour = std::nextafter(ratio, toward);
                EXPECT_LE(error, std::fabs(practicalSalinity(neighbour, t68, 0.0) - s))
                    << "S=" << s << " t=" << t68 << " toward " << toward;
            }
        }
    }
}

TEST(ConductivityRatio, BeyondTheSearchedRatiosGivesTheNearerEnd) {
    EXPECT_EQ(conductivityRatio(1000.0, 25.0, 0.0), 5.0);
    EXPECT_EQ(conductivityRatio(-1.0, 25.0, 0.0), 0.0);
}

TEST(PracticalSalinity, FailsWithTheErrorOfTheStepThatFails) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double ratio, t68, p;
        int error;
    } table[] = {
        {-0.5, 15.0, 0.0, runtime::InvalidArgument},  // root of a negative ratio
        {1.0, 1e80, 0.0, runtime::Overflow},          // t^4 leaves the double range
        {1.0, 15.0, 1e110, runtime::Overflow},        // p^3 leaves the double range
        {inf, 15.0, 0.0, runtime::Overflow},
    };
    for (const auto& row : table) {
        EXPECT_EQ(errorOf([&] { return practicalSalinity(row.ratio, row.t68, row.p); }), row.error)
            << row.ratio << " " << row.t68 << " " << row.p;
    }
    constexpr double huge = std::numeric_limits<double>::max();
    EXPECT_EQ(errorOf([] { return salinityFromConductivity(53.0, huge); }), runtime::Overflow);
    EXPECT_EQ(errorOf([] { return conductivityFromSalinity(35.0, 1e80); }), runtime::Overflow);
}

}  // namespace
