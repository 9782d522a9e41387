#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "runtime/runtime_error.hpp"
#include "seawater/eos80.hpp"
#include "seawater/specific_gravity.hpp"
#include "support/error_of.hpp"

namespace {

using seawater::density0;
using seawater::hydrometerDensity;
using seawater::pureWaterDensity;
using seawater::salinityFromDensity;
using seawater::salinityFromSpecificGravity;
using seawater::specificGravity;
using testsupport::errorOf;

// The reference temperature of a hydrometer graduated at 60 deg F.
constexpr double sixtyFahrenheit = (60.0 - 32.0) * 5.0 / 9.0;

TEST(PureWaterDensity, MatchesThePublishedCheckValues) {
    // UNESCO (1983), Tech. Pap. Mar. Sci. 44, EOS-80 check values at S = 0.
    constexpr double tolerance = 0.00001;  // kg/m^3, the table's last digit
    EXPECT_NEAR(pureWaterDensity(5.0), 999.96675, tolerance);
    EXPECT_NEAR(pureWaterDensity(25.0), 997.04796, tolerance);
    EXPECT_EQ(pureWaterDensity(0.0), 999.842594);
}

TEST(PureWaterDensity, IsExactlyTheDensityAtSalinityZero) {
    for (double t = -2.0; t <= 40.0; t += 0.125) {
        EXPECT_EQ(density0(0.0, t), pureWaterDensity(t)) << t;
    }
}

// Seawater of salinity 35 as refractometers show it: SG t/t at the three
// reference temperatures of the hobby, to the five decimals published.
TEST(SpecificGravity, OfSalinity35AtTheReferenceTemperatures) {
    constexpr double tolerance = 0.000005;
    const struct {
        double t, sg;
    } table[] = {
        {25.0, 1.02637},
        {20.0, 1.02660},
        {sixtyFahrenheit, 1.02686},
    };
    for (const auto& row : table) {
        EXPECT_NEAR(specificGravity(35.0, row.t), row.sg, tolerance) << row.t;
    }
}

// rho = reading * rho_w(tRef) / (1 + 25e-6 (t - tRef)), worked out by hand in
// exact fractions from the SMOW polynomial.
TEST(HydrometerDensity, CorrectsForTheWaterAndTheGlass) {
    constexpr double tolerance = 1e-9;  // kg/m^3
    const struct {
        double reading, tRef, t, rho;
    } table[] = {
        {1.0240, sixtyFahrenheit, 26.0, 1022.725345040457},
        {1.0226, sixtyFahrenheit, 24.0, 1021.378143308772},
        {1.0264, 25.0, 25.0, 1023.370023586019},  // at its own temperature: SG times rho_w
        {1.0250, 20.0, 28.0, 1022.956885989762},
        {1.0260, 25.0, 15.0, 1023.227011155805},  // colder than graduated
    };
    for (const auto& row : table) {
        EXPECT_NEAR(hydrometerDensity(row.reading, row.tRef, row.t), row.rho, tolerance)
            << row.reading << " " << row.tRef << " " << row.t;
    }
}

// The inverses over the whole range of salinity they must cover and the
// tank's temperatures.
constexpr double validSalinityLow = 0.0;
constexpr double validSalinityHigh = 42.0;
constexpr double roundTripTolerance = 1e-10;  // psu
constexpr double gridStep = 0.25;             // psu and deg C

TEST(SalinityFromDensity, GoesBackToTheSalinityToNearDoublePrecision) {
    for (double t = -2.0; t <= 35.0; t += gridStep) {
        for (double s = validSalinityLow; s <= validSalinityHigh; s += gridStep) {
            const auto back = salinityFromDensity(density0(s, t), t);
            ASSERT_TRUE(back.has_value()) << "S=" << s << " t=" << t;
            EXPECT_NEAR(*back, s, roundTripTolerance) << "S=" << s << " t=" << t;
        }
    }
}

TEST(SalinityFromSpecificGravity, GoesBackToTheSalinityToNearDoublePrecision) {
    for (double t = -2.0; t <= 35.0; t += gridStep) {
        for (double s = validSalinityLow; s <= validSalinityHigh; s += gridStep) {
            const auto back = salinityFromSpecificGravity(specificGravity(s, t), t);
            ASSERT_TRUE(back.has_value()) << "S=" << s << " t=" << t;
            EXPECT_NEAR(*back, s, roundTripTolerance) << "S=" << s << " t=" << t;
        }
    }
}

// A hydrometer graduated at each reference temperature, read in water of
// every temperature: its reading, corrected, gives back the salinity. The
// grid lies between the ends, as a reading of water at an end, rounded, may
// lie a unit in the last place beyond it.
TEST(HydrometerDensity, GoesBackToTheSalinityToNearDoublePrecision) {
    constexpr double inset = 1e-9;  // psu, far above the rounding, far below any reading
    for (double tRef : {25.0, 20.0, sixtyFahrenheit}) {
        for (double t = -2.0; t <= 35.0; t += gridStep) {
            const double expansion = 1.0 + seawater::glassExpansion * (t - tRef);
            for (double s = validSalinityLow; s <= validSalinityHigh; s += gridStep) {
                const double inside =
                    std::clamp(s, validSalinityLow + inset, validSalinityHigh - inset);
                const double reading = density0(inside, t) * expansion / pureWaterDensity(tRef);
                const auto back = salinityFromDensity(hydrometerDensity(reading, tRef, t), t);
                ASSERT_TRUE(back.has_value()) << "S=" << inside << " t=" << t << " tRef=" << tRef;
                EXPECT_NEAR(*back, inside, roundTripTolerance) << "S=" << inside << " t=" << t;
            }
        }
    }
}

// The salinity found is the double whose value is nearest: neither neighbour
// does better, which a search that stops at a tolerance would miss.
TEST(SalinityFromDensity, IsTheNearestDouble) {
    for (double t : {-2.0, 10.0, 25.0, 35.0}) {
        for (double rho : {1000.0, 1010.0, 1020.0, 1023.0, 1025.0}) {
            const auto found = salinityFromDensity(rho, t);
            ASSERT_TRUE(found.has_value()) << rho << " " << t;
            const double error = std::fabs(density0(*found, t) - rho);
            for (double toward : {seawater::exactSalinityLow, seawater::exactSalinityHigh}) {
                const double neighbour = std::nextafter(*found, toward);
                EXPECT_LE(error, std::fabs(density0(neighbour, t) - rho))
                    << rho << " " << t << " toward " << toward;
            }
        }
    }
}

// At the highest salinity several neighbouring doubles give the same density;
// the search may settle on any of them.
constexpr double atTheEnd = 1e-12;  // psu

TEST(SalinityFromDensity, IsEmptyOutsideTheSearchedSalinities) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double t : {-2.0, 25.0, 35.0}) {
        const double fresh = pureWaterDensity(t);
        const double salty = density0(seawater::exactSalinityHigh, t);
        EXPECT_EQ(salinityFromDensity(fresh, t), seawater::exactSalinityLow) << t;
        const auto top = salinityFromDensity(salty, t);
        ASSERT_TRUE(top.has_value()) << t;
        EXPECT_NEAR(*top, seawater::exactSalinityHigh, atTheEnd) << t;
        EXPECT_EQ(density0(*top, t), salty) << t;
        for (double rho : {std::nextafter(fresh, 0.0), std::nextafter(salty, inf), 990.0, 1040.0,
                           0.0, -1023.0, nan, inf}) {
            EXPECT_EQ(salinityFromDensity(rho, t), std::nullopt) << rho << " " << t;
        }
    }
}

TEST(SalinityFromSpecificGravity, IsEmptyOutsideTheSearchedSalinities) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    for (double t : {-2.0, 25.0, 35.0}) {
        const double salty = specificGravity(seawater::exactSalinityHigh, t);
        EXPECT_EQ(salinityFromSpecificGravity(1.0, t), seawater::exactSalinityLow) << t;
        const auto top = salinityFromSpecificGravity(salty, t);
        ASSERT_TRUE(top.has_value()) << t;
        EXPECT_NEAR(*top, seawater::exactSalinityHigh, atTheEnd) << t;
        EXPECT_EQ(specificGravity(*top, t), salty) << t;
        for (double sg : {std::nextafter(1.0, 0.0), std::nextafter(salty, 2.0), 1.0400, nan}) {
            EXPECT_EQ(salinityFromSpecificGravity(sg, t), std::nullopt) << sg << " " << t;
        }
    }
}

TEST(SpecificGravity, FailsWithTheErrorOfTheStepThatFails) {
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(errorOf([] { return pureWaterDensity(1e80); }), runtime::Overflow);
    EXPECT_EQ(errorOf([] { return specificGravity(-1.0, 25.0); }), runtime::InvalidArgument);
    EXPECT_EQ(errorOf([] { return hydrometerDensity(huge, 25.0, 25.0); }), runtime::Overflow);
    EXPECT_EQ(errorOf([] { return hydrometerDensity(1.0264, huge, 25.0); }), runtime::Overflow);
    EXPECT_EQ(errorOf([] { return hydrometerDensity(1.0264, 25.0, inf); }), runtime::Overflow);
    // Glass that would shrink to nothing: 1 + 25e-6 (t - tRef) = 0.
    EXPECT_EQ(errorOf([] { return hydrometerDensity(1.0264, 40025.0, 25.0); }),
              runtime::DivisionByZero);
    EXPECT_EQ(errorOf([] { return salinityFromDensity(1023.0, nan); }), runtime::Overflow);
    EXPECT_EQ(errorOf([] { return salinityFromSpecificGravity(1.0264, 1e80); }), runtime::Overflow);
}

}  // namespace
