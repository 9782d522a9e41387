#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculators/calculators.hpp"
#include "support/error_of.hpp"
#include "support/regional_settings.hpp"

namespace {

using calculators::calciumResult;
using calculators::magnesiumResult;
using testsupport::errorOf;

using testsupport::english;
using testsupport::german;

const std::string spreadOver =
    "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über ";
const std::string calciumFirstSpreadOver =
    "Salze bitte gleichmäßig in reichlich Aquariumwasser auflösen und geleichmäßig über ";

TEST(Magnesium, ReportsTheDefaultRaiseWordForWord) {
    EXPECT_EQ(magnesiumResult("300", "1200", "1300", german),
              "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über 5 Tage "
              "verteilen !!!\r\n\r\n"
              "227,4g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n"
              "28,5g Magnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n");
    EXPECT_EQ(magnesiumResult("300", "1200", "1300", english),
              spreadOver + "5 Tage verteilen !!!\r\n\r\n"
                           "227.4g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n"
                           "28.5g Magnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n");
}

struct MagnesiumCase {
    const char* litres;
    const char* present;
    const char* wanted;
    const char* days;  // nullptr: no advice paragraph
    const char* chloride;
    const char* sulfate;
};

TEST(Magnesium, SpreadsLargeRaisesOverDaysAndCutsAmounts) {
    const MagnesiumCase table[] = {
        {"100", "1200", "1300", "5", "75,8", "9,5"},
        {"300", "1200", "1221", "2", "47,75", "5,98"},
        {"300", "1200", "1220", nullptr, "45,48", "5,7"},     // exactly 20: no advice
        {"100", "1200", "1220,5", "1", "15,53", "1,94"},      // fractional: floor, not ceiling
        {"100", "1200", "1240", "2", "30,32", "3,8"},
        {"100", "1200", "1241", "3", "31,07", "3,89"},
        {"100", "1200", "1301", "6", "76,55", "9,59"},
        {"1", "0", "655340", "32767", "4967,47", "622,57"},  // the largest day count
        {"300", "1200", "1200", nullptr, "0", "0"},
        {"300", "1221", "1200", nullptr, "-47,76", "-5,99"},  // lowering cuts downwards
        {"0", "1200", "1300", "5", "0", "0"},                 // advice follows the difference
        {"1", "1200", "1201", nullptr, "0", "0"},
    };
    for (const auto& c : table) {
        std::string expected = c.days ? spreadOver + c.days + " Tage verteilen !!!\r\n\r\n" : "";
        expected += std::string(c.chloride) + "g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n";
        expected += std::string(c.sulfate) + "g Magnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n";
        EXPECT_EQ(magnesiumResult(c.litres, c.present, c.wanted, german), expected)
            << c.litres << " " << c.present << " -> " << c.wanted;
    }
}

struct Failure {
    const char* litres;
    const char* present;
    const char* wanted;
    std::optional<int> error;
};

TEST(Magnesium, FailsOnBadFieldsAndOnADayCountBeyondSixteenBits) {
    const Failure table[] = {
        {"x", "1200", "1300", runtime::TypeMismatch},
        {"300", "", "1300", runtime::TypeMismatch},
        {"300", "1200", "1300 mg", runtime::TypeMismatch},
        {"1e400", "x", "1300", runtime::Overflow},  // read in order: volume first
        {"x", "1e400", "1300", runtime::TypeMismatch},
        {"1", "0", "655341", runtime::Overflow},
        {"1", "655380", "0", runtime::Overflow},
        {"1", "655379", "0", std::nullopt},
        {"1", "0", "20", std::nullopt},             // day count checked even without advice
        {"1e300", "0", "1e10", runtime::Overflow},
    };
    for (const auto& c : table) {
        EXPECT_EQ(errorOf([&] { return magnesiumResult(c.litres, c.present, c.wanted, german); }),
                  c.error)
            << c.litres << " | " << c.present << " | " << c.wanted;
    }
}

TEST(Calcium, ReportsTheDefaultRaisesWordForWord) {
    EXPECT_EQ(calciumResult("300", "380", "1200", "500", "1300", false, german),
              spreadOver + "12 Tage verteilen!!!\r\n\r\n"
                           "132,04g Claciumchlorid Dihydrat (CaCl2 x 2H2O)\r\n"
                           "150,84g Natrium Hydrogencarbonat (NaHCO3)\r\n"
                           "45g Natriumchlorid freies Meersalz \r\n"
                           "==>Ersetzt 150,12g Meersalz\r\n");
    EXPECT_EQ(calciumResult("300", "380", "1200", "500", "1300", true, german),
              calciumFirstSpreadOver + "12 Tage verteilen!!!\r\n\r\n"
                                       "132,04g Claciumchlorid Dihydrat (CaCl2 x 2H2O) \r\n"
                                       "150,84g Natrium Hydrogencarbonat (NaHCO3) \r\n"
                                       "227,4g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n"
                                       "28,5gMagnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n"
                                       "45g Natriumchlorid freies Meersalz \r\n"
                                       "==>Ersetzt 150,12g Meersalz\r\n");
    EXPECT_EQ(calciumResult("100", "400", "1250", "420", "1300", true, german),
              spreadOver + "3 Tage verteilen!!!\r\n\r\n"
                           "7,33g Claciumchlorid Dihydrat (CaCl2 x 2H2O) \r\n"
                           "8,38g Natrium Hydrogencarbonat (NaHCO3) \r\n"
                           "37,9g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n"
                           "4,75gMagnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n"
                           "2,5g Natriumchlorid freies Meersalz \r\n"
                           "==>Ersetzt 8,34g Meersalz\r\n");
}

// The advice paragraph of a report, or "" when it has none.
std::string adviceOf(const std::string& report) {
    const auto end = report.find("\r\n\r\n");
    return end == std::string::npos ? "" : report.substr(0, end);
}

struct AdviceCase {
    const char* calciumWanted;    // from 400
    const char* magnesiumWanted;  // from 1200
    bool withMagnesium;
    std::string advice;
};

TEST(Calcium, GivesTheAdviceToTheIngredientNeedingMoreDays) {
    const AdviceCase table[] = {
        {"410", "1300", false, ""},
        {"410,5", "1300", false, spreadOver + "1 Tage verteilen!!!"},
        {"411", "1300", false, spreadOver + "2 Tage verteilen!!!"},
        {"520", "1300", false, spreadOver + "12 Tage verteilen!!!"},
        {"420", "1250", false, spreadOver + "2 Tage verteilen!!!"},
        {"410", "1220", true, ""},                                  // tie, but 20 is not above 20
        {"411", "1222", true, spreadOver + "2 Tage verteilen!!!"},  // tie goes to magnesium
        {"411", "1221", true, calciumFirstSpreadOver + "2 Tage verteilen!!!"},
        {"370", "1300", true, spreadOver + "5 Tage verteilen!!!"},  // calcium lowered
        {"405", "1215", true, ""},
        {"405", "1205", true, ""},
        {"370", "1100", true, ""},                                  // both lowered
        {"370", "1100", false, ""},
    };
    for (const auto& c : table) {
        const auto report =
            calciumResult("100", "400", "1200", c.calciumWanted, c.magnesiumWanted, c.withMagnesium,
                          german);
        EXPECT_EQ(adviceOf(report), c.advice)
            << c.calciumWanted << " " << c.magnesiumWanted << " " << c.withMagnesium;
    }
}

TEST(Calcium, ShowsNegativeAndZeroAmountsPlainly) {
    EXPECT_EQ(calciumResult("100", "400", "1200", "370", "1100", true, german),
              "-11,01g Claciumchlorid Dihydrat (CaCl2 x 2H2O) \r\n"
              "-12,57g Natrium Hydrogencarbonat (NaHCO3) \r\n"
              "-75,8g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)\r\n"
              "-9,5gMagnesiumsulfat Heptahydrat (MgSO4 x 7H2O)\r\n"
              "-3,75g Natriumchlorid freies Meersalz \r\n"
              "==>Ersetzt -12,51g Meersalz\r\n");
    EXPECT_EQ(calciumResult("0", "380", "1200", "500", "1300", false, german),
              spreadOver + "12 Tage verteilen!!!\r\n\r\n"
                           "0g Claciumchlorid Dihydrat (CaCl2 x 2H2O)\r\n"
                           "0g Natrium Hydrogencarbonat (NaHCO3)\r\n"
                           "0g Natriumchlorid freies Meersalz \r\n"
                           "==>Ersetzt 0g Meersalz\r\n");
}

TEST(Calcium, ReadsEveryFieldEvenTheHiddenMagnesiumOnes) {
    const struct {
        const char* fields[5];
        bool withMagnesium;
        std::optional<int> error;
    } table[] = {
        {{"", "380", "1200", "500", "1300"}, false, runtime::TypeMismatch},
        {{"300", "x", "1200", "500", "1300"}, false, runtime::TypeMismatch},
        {{"300", "380", "Mg", "500", "1300"}, false, runtime::TypeMismatch},
        {{"300", "380", "1200", "500", "abc"}, false, runtime::TypeMismatch},
        {{"300", "380", "1200", "", "1300"}, true, runtime::TypeMismatch},
        {{"300", "380", "1e400", "x", "1300"}, true, runtime::Overflow},
        {{"1e300", "0", "0", "1e10", "0"}, false, runtime::Overflow},
        {{"1e300", "0", "0", "0", "1e10"}, false, runtime::Overflow},  // hidden side still computed
    };
    for (const auto& c : table) {
        const auto* f = c.fields;
        EXPECT_EQ(errorOf([&] {
                      return calciumResult(f[0], f[1], f[2], f[3], f[4], c.withMagnesium, german);
                  }),
                  c.error)
            << f[0] << " | " << f[1] << " | " << f[2] << " | " << f[3] << " | " << f[4];
    }
}

}  // namespace
