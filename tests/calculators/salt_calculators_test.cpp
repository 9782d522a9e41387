#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculators/calculators.hpp"
#include "support/error_of.hpp"
#include "support/regional_settings.hpp"

namespace {

using calculators::densityChangeResult;
using calculators::newWaterResult;
using testsupport::errorOf;
using testsupport::errorTextOf;

using testsupport::english;
using testsupport::german;

struct NewWaterCase {
    const char* density;
    const char* temperature;
    const char* litres;
    const char* expected;
};

TEST(NewWater, GivesTheGramsOfSeaSalt) {
    const NewWaterCase table[] = {
        {"1,023", "25", "20", "690,91 Gramm Meersalz werden benötigt"},
        {"1,023", "25", "-20", "-690,92 Gramm Meersalz werden benötigt"},
        {"1,023", "25", "0", "0 Gramm Meersalz werden benötigt"},
        {" 1,023 ", "25,0", "20,", "690,91 Gramm Meersalz werden benötigt"},
        {"1,023", "0", "20", "573,24 Gramm Meersalz werden benötigt"},
        {"1,023", "25", "1.000", "34545,89 Gramm Meersalz werden benötigt"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(newWaterResult(c.density, c.temperature, c.litres, german), c.expected)
            << c.density << " " << c.temperature << " " << c.litres;
    }
    EXPECT_EQ(newWaterResult("1.023", "25", "20", english),
              "690.91 Gramm Meersalz werden benötigt");
}

struct Failure {
    const char* first;
    const char* second;
    const char* third;
    std::optional<int> error;
};

TEST(NewWater, FailsAtTheFirstBadStepInReadingOrder) {
    const Failure table[] = {
        {"", "25", "20", runtime::TypeMismatch},
        {"1,023", "", "20", runtime::TypeMismatch},
        {"1,023", "25", "zwanzig", runtime::TypeMismatch},
        {"1e306", "x", "20", runtime::Overflow},          // density read before temperature
        {"1,5", "x", "20", runtime::TypeMismatch},        // temperature read before the search
        {"1,5", "25", "x", runtime::InvalidArgument},     // search runs before the volume is read
        {"1.023", "25", "20", runtime::InvalidArgument},  // 1023 kg/L cannot be reached
        {"0,9", "25", "20", runtime::InvalidArgument},    // lighter than fresh water
        {"-1", "25", "20", runtime::InvalidArgument},
        {"0", "25", "20", runtime::DivisionByZero},
        {"1,023", "1e80", "20", runtime::Overflow},
        {"1,023", "25", "1e307", runtime::Overflow},
    };
    for (const auto& c : table) {
        EXPECT_EQ(errorOf([&] { return newWaterResult(c.first, c.second, c.third, german); }),
                  c.error)
            << c.first << " | " << c.second << " | " << c.third;
    }
}

TEST(NewWater, NamesTheDensityThatCannotBeReached) {
    EXPECT_EQ(errorTextOf([] { return newWaterResult("1,5", "25", "20", german); }),
              "Die Dichte 1,5 Kg/Liter ist bei 25 Grad Celsius mit Meersalz nicht erreichbar.");
}

struct DensityChangeCase {
    const char* now;
    const char* wanted;
    const char* litres;
    const char* expected;
};

TEST(DensityChange, AddsSaltOrReplacesWater) {
    const DensityChangeCase table[] = {
        {"1,023", "1,024", "20", "24,9 Gramm Meersalz müssen hinzugefügt werden"},
        // Replacing V litres removes V times the present salinity.
        {"1,024", "1,023", "20", "Sie müssen 0,83 Liter Wasser mit Süßwasser ersetzen"},
        {"1,023", "1,023", "20", "0 Gramm Meersalz müssen hinzugefügt werden"},
        // Densities so close that both cut amounts are equal: nothing to add.
        {"1,023", "1,0230001", "20", "0 Gramm Meersalz müssen hinzugefügt werden"},
        {"1,023", "1,024", "-20", "Sie müssen 0,86 Liter Wasser mit Süßwasser ersetzen"},
        {"1,020", "1,025", "100", "620,12 Gramm Meersalz müssen hinzugefügt werden"},
        {"1,025", "1,020", "100", "Sie müssen 19,9 Liter Wasser mit Süßwasser ersetzen"},
    };
    for (const auto& c : table) {
        EXPECT_EQ(densityChangeResult(c.now, c.wanted, c.litres, german), c.expected)
            << c.now << " -> " << c.wanted << " in " << c.litres;
    }
    EXPECT_EQ(densityChangeResult("1.024", "1.023", "20", english),
              "Sie müssen 0.83 Liter Wasser mit Süßwasser ersetzen");
}

TEST(DensityChange, FailsAtTheFirstBadStepInReadingOrder) {
    const Failure table[] = {
        {"", "1,024", "20", runtime::TypeMismatch},
        {"1,023", "x", "20", runtime::TypeMismatch},
        {"1,023", "1,024", "", runtime::TypeMismatch},
        {"1,5", "x", "20", runtime::TypeMismatch},     // both densities read before a search
        {"1,5", "1,024", "x", runtime::InvalidArgument},
        {"1,023", "1.024", "x", runtime::InvalidArgument},
        {"1,023", "0,99", "20", runtime::InvalidArgument},  // lighter than fresh water at 0 deg C
        {"1e306", "1,024", "20", runtime::Overflow},
        {"1,023", "1e306", "20", runtime::Overflow},
        {"0", "1,024", "20", runtime::DivisionByZero},
        {"1,023", "1,024", "1e307", runtime::Overflow},
    };
    for (const auto& c : table) {
        EXPECT_EQ(errorOf([&] { return densityChangeResult(c.first, c.second, c.third, german); }),
                  c.error)
            << c.first << " | " << c.second << " | " << c.third;
    }
    EXPECT_EQ(errorTextOf([] { return densityChangeResult("1,023", "1,2", "20", german); }),
              "Die Dichte 1,2 Kg/Liter ist bei 0 Grad Celsius mit Meersalz nicht erreichbar.");
}

}  // namespace
