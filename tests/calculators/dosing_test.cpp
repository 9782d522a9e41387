#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "calculators/calculators.hpp"
#include "support/error_of.hpp"
#include "support/regional_settings.hpp"

namespace {

using calculators::consumptionResult;
using calculators::khRaiseResult;
using testsupport::english;
using testsupport::errorOf;
using testsupport::german;

// The consumption panel's fields, holding its start texts.
struct Fields {
    std::string litres = "300";
    std::string days = "7";
    std::string calciumFirst = "430";
    std::string calciumSecond = "420";
    std::string calciumDosed = "0";
    std::string khFirst = "8,0";
    std::string khSecond = "6,6";
    std::string khDosed = "0";
    std::string magnesiumFirst = "1300";
    std::string magnesiumSecond = "1295";
    std::string magnesiumDosed = "0";
    std::string solution1 = "73,5";
    std::string solution2 = "84";
    std::string solution3Chloride = "75,8";
    std::string solution3Sulfate = "9,5";
    std::string canister = "5";

    // In the page's order.
    std::array<std::string*, 16> all() {
        return {&litres,         &days,      &calciumFirst, &calciumSecond,     &calciumDosed,
                &khFirst,        &khSecond,  &khDosed,      &magnesiumFirst,    &magnesiumSecond,
                &magnesiumDosed, &solution1, &solution2,    &solution3Chloride, &solution3Sulfate,
                &canister};
    }
};

calculators::ConsumptionResult consume(const Fields& f,
                                       const calculators::RegionalSettings& rs = german) {
    return consumptionResult(f.litres, f.days, f.calciumFirst, f.calciumSecond, f.calciumDosed,
                             f.khFirst, f.khSecond, f.khDosed, f.magnesiumFirst, f.magnesiumSecond,
                             f.magnesiumDosed, f.solution1, f.solution2, f.solution3Chloride,
                             f.solution3Sulfate, f.canister, rs);
}

// Every result but the hint, one element after the other.
std::string shown(const calculators::ConsumptionResult& r) {
    return r.calciumPerDay + " " + r.millilitres1 + " " + r.canisterDays1 + " | " + r.khPerDay +
           " " + r.millilitres2 + " " + r.canisterDays2 + " | " + r.magnesiumPerDay + " " +
           r.millilitres3 + " " + r.canisterDays3 + " | " + r.ratio;
}

const std::string ratioHint =
    "Calcium und KH werden nicht im Verhältnis der Kalkbildung (7,1 mg/L Calcium je °dKH) "
    "verbraucht. Die Lösungen 1 und 2 sollten dann nicht in gleichen Mengen dosiert werden.";

// What one ml of each start solution carries:
//   solution 1: 73,5 * 40.078 / 147.01       = 20.03764 mg Ca
//   solution 2: 84 / 84.007 / 0.356652        = 2.803620 dKH*L
//   solution 3: 75,8 * 24.305 / 203.30
//             + 9,5 * 24.305 / 246.47         = 9.062063 + 0.936826 = 9.998889 mg Mg
// Consumption a day c = (first - second) / days + dosed * strength / volume,
// ml a day = c * volume / strength, canister days = floor(litres * 1000 / ml),
// ratio = c(Ca) / c(KH).
TEST(Consumption, TheStartTextsUnderGermanAndEnglishSettings) {
    // Ca 10 / 7 = 1.428571; 1.428571 * 300 / 20.03764 = 21.3883 ml; 5000 / 21.3883 = 233.77
    // KH 1,4 / 7 = 0.2;      0.2 * 300 / 2.803620     = 21.4009 ml; 5000 / 21.4009 = 233.63
    // Mg 5 / 7 = 0.714286;   0.714286 * 300 / 9.998889 = 21.4310 ml; 5000 / 21.4310 = 233.31
    // Ratio 1.428571 / 0.2 = 7.1429, inside 7.147 +- 25 %.
    const auto r = consume({});
    EXPECT_EQ(shown(r), "1,43 21,4 233 | 0,20 21,4 233 | 0,71 21,4 233 | 7,1");
    EXPECT_EQ(r.hint, "");

    Fields inEnglish;
    inEnglish.khFirst = "8.0";
    inEnglish.khSecond = "6.6";
    inEnglish.solution1 = "73.5";
    inEnglish.solution3Chloride = "75.8";
    inEnglish.solution3Sulfate = "9.5";
    const auto e = consume(inEnglish, english);
    EXPECT_EQ(shown(e), "1.43 21.4 233 | 0.20 21.4 233 | 0.71 21.4 233 | 7.1");
    EXPECT_EQ(e.hint, "");
}

struct ConsumptionCase {
    const char* what;
    Fields fields;
    const char* shown;
    std::string hint;
};

TEST(Consumption, AddsTheDosingBackAndSaysWhatWasNotConsumed) {
    const ConsumptionCase table[] = {
        // 10 ml a day of each solution in 300 L:
        //   Ca 14 / 7 + 10 * 20.03764 / 300 = 2 + 0.667921 = 2.667921; 39.9437 ml; 125.18 days
        //   KH 0,7 / 7 + 10 * 2.803620 / 300 = 0.1 + 0.093454 = 0.193454; 20.7005 ml; 241.54 days
        //   Mg 5 / 7 + 10 * 9.998889 / 300 = 0.714286 + 0.333296 = 1.047582; 31.4310 ml; 159.08
        //   ratio 2.667921 / 0.193454 = 13.79, far above 8.93.
        {"calcium 430 -> 416, KH 8,0 -> 7,3, 10 ml of each dosed",
         {.calciumSecond = "416",
          .calciumDosed = "10",
          .khSecond = "7,3",
          .khDosed = "10",
          .magnesiumDosed = "10"},
         "2,67 39,9 125 | 0,19 20,7 241 | 1,05 31,4 159 | 13,8",
         ratioHint},
        // The start falls with 10 ml of each dosed: the ml come out 10 higher.
        //   Ca 1.428571 + 0.667921 = 2.096493; 21.3883 + 10 = 31.3883 ml; 159.29 days
        //   KH 0.2 + 0.093454 = 0.293454;       21.4009 + 10 = 31.4009 ml; 159.23 days
        //   Mg 0.714286 + 0.333296 = 1.047582;  21.4310 + 10 = 31.4310 ml; 159.08 days
        //   ratio 2.096493 / 0.293454 = 7.144
        {"the start falls with 10 ml of each dosed",
         {.calciumDosed = "10", .khDosed = "10", .magnesiumDosed = "10"},
         "2,10 31,4 159 | 0,29 31,4 159 | 1,05 31,4 159 | 7,1",
         ""},
        // A balanced pair: 1 ml of each start solution a day holds 100 L where
        // it is; the tank takes 20.03764 / 100 = 0.2004 mg/L calcium and
        // 2.803620 / 100 = 0.02804 dKH a day, ratio 7.147, and a canister of
        // 5 L lasts exactly 5000 days.
        {"levels held by dosing alone",
         {.litres = "100",
          .days = "1",
          .calciumSecond = "430",
          .calciumDosed = "1",
          .khSecond = "8",
          .khDosed = "1",
          .magnesiumSecond = "1300",
          .magnesiumDosed = "1"},
         "0,20 1,0 5000 | 0,03 1,0 5000 | 0,10 1,0 5000 | 7,1",
         ""},
        // 1,1 L at 2,2 ml a day is 500 days, although 1100 / 2.2 comes out
        // just below 500 in binary.
        {"levels held by dosing alone, a canister of 1,1 L",
         {.litres = "100",
          .days = "1",
          .calciumSecond = "430",
          .calciumDosed = "2,2",
          .khSecond = "8",
          .khDosed = "2,2",
          .magnesiumSecond = "1300",
          .magnesiumDosed = "2,2",
          .canister = "1,1"},
         "0,44 2,2 500 | 0,06 2,2 500 | 0,22 2,2 500 | 7,1",
         ""},
        // The same pair measured instead of dosed, ten times as much: 2,004
        // mg/L Ca and 0,2804 dKH a day in 100 L. 2.004 * 100 / 20.03764 =
        // 10.0012 ml (499.94 days), 0.2804 * 100 / 2.803620 = 10.0014 ml
        // (499.93 days), ratio 7.147; magnesium held.
        {"a balanced pair measured, magnesium held",
         {.litres = "100",
          .days = "1",
          .calciumSecond = "427,996",
          .khFirst = "8",
          .khSecond = "7,7196",
          .magnesiumSecond = "1300"},
         "2,00 10,0 499 | 0,28 10,0 499 | 0,00 0,0  | 7,1",
         "Für Magnesium wurde kein Verbrauch gemessen."},
        {"nothing consumed",
         {.calciumSecond = "430", .khSecond = "8", .magnesiumSecond = "1300"},
         "0,00 0,0  | 0,00 0,0  | 0,00 0,0  | ",
         "Für Calcium, KH und Magnesium wurde kein Verbrauch gemessen."},
        // Calcium rose by 10 in 7 days: -1.428571 a day.
        {"calcium rose",
         {.calciumFirst = "420", .calciumSecond = "430"},
         "-1,43 0,0  | 0,20 21,4 233 | 0,71 21,4 233 | ",
         "Für Calcium wurde kein Verbrauch gemessen."},
        {"KH rose, magnesium held",
         {.khFirst = "6,6", .khSecond = "8,0", .magnesiumSecond = "1300"},
         "1,43 21,4 233 | -0,20 0,0  | 0,00 0,0  | ",
         "Für KH und Magnesium wurde kein Verbrauch gemessen."},
        // Calcium rose by 2 in 7 days while 10 ml were dosed: -0.285714 +
        // 0.667921 = 0.382207 a day, 10 - 2 * 300 / (7 * 20.03764) = 5.7223 ml
        // (873.77 days); ratio 0.382207 / 0.2 = 1.91, far below 5.36.
        {"a rise smaller than the dose",
         {.calciumFirst = "420",
          .calciumSecond = "422",
          .calciumDosed = "10",
          .magnesiumSecond = "1300"},
         "0,38 5,7 873 | 0,20 21,4 233 | 0,00 0,0  | 1,9",
         "Für Magnesium wurde kein Verbrauch gemessen. " + ratioHint},
        // Solution 3 of one salt alone: 9,5 * 24.305 / 246.47 = 0.936826 mg Mg
        // per ml, 0.714286 * 300 / 0.936826 = 228.74 ml (21.86 days); or
        // 75,8 * 24.305 / 203.30 = 9.062063, 23.6464 ml (211.45 days).
        {"solution 3 of sulfate alone",
         {.solution3Chloride = "0"},
         "1,43 21,4 233 | 0,20 21,4 233 | 0,71 228,7 21 | 7,1",
         ""},
        {"solution 3 of chloride alone",
         {.solution3Sulfate = "0"},
         "1,43 21,4 233 | 0,20 21,4 233 | 0,71 23,6 211 | 7,1",
         ""},
    };
    for (const auto& c : table) {
        const auto r = consume(c.fields);
        EXPECT_EQ(shown(r), c.shown) << c.what;
        EXPECT_EQ(r.hint, c.hint) << c.what;
    }
}

// 7.147 +- 25 % is 5.360 to 8.934 mg/L calcium per dKH. In 100 L over one
// day, KH 8 -> 7, the calcium fall is the ratio itself; each pair of rows
// shows the same rounded ratio on both sides of a limit.
TEST(Consumption, SaysWhereCalciumAndKhAreNotTakenAsCalcificationTakesThem) {
    const struct {
        const char* calciumSecond;  // from 430
        const char* ratio;
        bool hint;
    } table[] = {
        {"424,65", "5,4", true},   // 5.35
        {"424,63", "5,4", false},  // 5.37
        {"421,07", "8,9", false},  // 8.93
        {"421,06", "8,9", true},   // 8.94
        {"427", "3,0", true},     {"400", "30,0", true}, {"422,9", "7,1", false},
    };
    for (const auto& c : table) {
        const auto r = consume({.litres = "100",
                                .days = "1",
                                .calciumSecond = c.calciumSecond,
                                .khFirst = "8",
                                .khSecond = "7"});
        EXPECT_EQ(r.ratio, c.ratio) << c.calciumSecond;
        EXPECT_EQ(r.hint, c.hint ? ratioHint : "") << c.calciumSecond;
    }
}

TEST(Consumption, WantsVolumeDaysStrengthsAndCanisterAboveZero) {
    const struct {
        const char* what;
        Fields fields;
        const char* hint;
    } table[] = {
        {"no water", {.litres = "0"}, "Die Wassermenge muss größer als 0 sein."},
        {"less than no water", {.litres = "-300"}, "Die Wassermenge muss größer als 0 sein."},
        {"no days", {.days = "0"}, "Die Tage zwischen den Messungen müssen größer als 0 sein."},
        {"negative days",
         {.days = "-7"},
         "Die Tage zwischen den Messungen müssen größer als 0 sein."},
        {"solution 1 taken out",
         {.calciumDosed = "-1"},
         "Die dosierte Menge von Lösung 1 darf nicht negativ sein."},
        {"solution 2 taken out",
         {.khDosed = "-0,1"},
         "Die dosierte Menge von Lösung 2 darf nicht negativ sein."},
        {"solution 3 taken out",
         {.magnesiumDosed = "-5"},
         "Die dosierte Menge von Lösung 3 darf nicht negativ sein."},
        {"solution 1 empty",
         {.solution1 = "0"},
         "Die Menge Calciumchlorid je Liter Lösung 1 muss größer als 0 sein."},
        {"solution 2 empty",
         {.solution2 = "0"},
         "Die Menge Natriumhydrogencarbonat je Liter Lösung 2 muss größer als 0 sein."},
        {"solution 2 negative",
         {.solution2 = "-84"},
         "Die Menge Natriumhydrogencarbonat je Liter Lösung 2 muss größer als 0 sein."},
        {"negative chloride",
         {.solution3Chloride = "-1"},
         "Die Menge Magnesiumchlorid je Liter Lösung 3 darf nicht negativ sein."},
        {"negative sulfate",
         {.solution3Sulfate = "-1"},
         "Die Menge Magnesiumsulfat je Liter Lösung 3 darf nicht negativ sein."},
        {"negative sulfate outweighed",
         {.solution3Chloride = "100", .solution3Sulfate = "-1"},
         "Die Menge Magnesiumsulfat je Liter Lösung 3 darf nicht negativ sein."},
        {"solution 3 empty",
         {.solution3Chloride = "0", .solution3Sulfate = "0"},
         "Magnesiumchlorid und Magnesiumsulfat je Liter Lösung 3 müssen zusammen größer als 0 "
         "sein."},
        {"no canister", {.canister = "0"}, "Die Kanistergröße muss größer als 0 sein."},
        {"the first in the page's order",
         {.days = "0", .solution1 = "0", .canister = "0"},
         "Die Tage zwischen den Messungen müssen größer als 0 sein."},
    };
    for (const auto& c : table) {
        const auto r = consume(c.fields);
        EXPECT_EQ(r.hint, c.hint) << c.what;
        EXPECT_EQ(shown(r), "   |    |    | ") << c.what;
    }
}

TEST(Consumption, ReadsEveryFieldByTheNumberRulesAndInOrder) {
    for (std::size_t i = 0; i < 16; ++i) {
        Fields f;
        *f.all()[i] = "x";
        EXPECT_EQ(errorOf([&] { return consume(f); }), runtime::TypeMismatch) << "field " << i;
        *f.all()[i] = "";
        EXPECT_EQ(errorOf([&] { return consume(f); }), runtime::TypeMismatch) << "field " << i;
        *f.all()[i] = "1e400";
        EXPECT_EQ(errorOf([&] { return consume(f); }), runtime::Overflow) << "field " << i;
    }
    const struct {
        const char* what;
        Fields fields;
        std::optional<int> error;
    } table[] = {
        {"English text under German settings", {.khFirst = "8.0"}, runtime::TypeMismatch},
        {"the first bad field is the one reported",
         {.days = "1e400", .canister = "x"},
         runtime::Overflow},
        {"every field read before any range check",
         {.litres = "0", .canister = "5 L"},
         runtime::TypeMismatch},
        {"a dose beyond double range",
         {.litres = "1e-300", .calciumDosed = "1e300"},
         runtime::Overflow},
        {"grouped thousands",
         {.magnesiumFirst = "1.300", .magnesiumSecond = " 1.295 "},
         std::nullopt},
    };
    for (const auto& c : table) {
        EXPECT_EQ(errorOf([&] { return consume(c.fields); }), c.error) << c.what;
    }
}

// grams = rise * 0.356652 meq/L * M / (meq per mmol) * litres / 1000, with
// NaHCO3 84.007 g/mol and 1 meq/mmol, Na2CO3 105.99 g/mol and 2 meq/mmol;
// days = the rise rounded up to whole dKH.
TEST(KhRaise, GramsOfEitherSaltAndTheDaysToSpreadThem) {
    const struct {
        const char* litres;
        const char* now;
        const char* target;
        const char* salt;
        const char* grams;
        const char* days;
    } table[] = {
        {"300", "7", "8", "nahco3", "8,99", "1"},      // 0.356652 * 84.007 * 0.3 = 8.98838
        {"300", "7", "8", "na2co3", "5,67", "1"},      // 0.356652 * 105.99 / 2 * 0.3 = 5.67023
        {"300", "7,3", "8,3", "nahco3", "8,99", "1"},  // one dKH, however the decimals fall
        {"100", "6", "8,5", "nahco3", "7,49", "3"},    // 2.5 * 0.356652 * 84.007 * 0.1 = 7.49032
        {"100", "6", "8,5", "na2co3", "4,73", "3"},    // 2.5 * 0.356652 * 52.995 * 0.1 = 4.72519
        {"1000", "7", "7,1", "nahco3", "3,00", "1"},   // 0.1 * 0.356652 * 84.007 * 1 = 2.99613
        {"2000", "7", "12", "na2co3", "189,01", "5"},  // 5 * 0.356652 * 52.995 * 2 = 189.00773
    };
    for (const auto& c : table) {
        const auto r = khRaiseResult(c.litres, c.now, c.target, c.salt, german);
        const std::string where =
            std::string(c.litres) + " L " + c.now + " -> " + c.target + " " + c.salt;
        EXPECT_EQ(r.grams, c.grams) << where;
        EXPECT_EQ(r.days, c.days) << where;
        EXPECT_EQ(r.hint, "") << where;
    }
    const auto e = khRaiseResult("300", "7.3", "8.3", "na2co3", english);
    EXPECT_EQ(e.grams, "5.67");
    EXPECT_EQ(e.days, "1");
}

TEST(KhRaise, NeitherLowersNorWorksWithoutWater) {
    const struct {
        const char* litres;
        const char* now;
        const char* target;
        const char* hint;
    } table[] = {
        {"300", "8", "8",
         "Durch Dosieren sinkt die KH nicht: Der Zielwert muss über dem jetzigen liegen."},
        {"300", "8", "7",
         "Durch Dosieren sinkt die KH nicht: Der Zielwert muss über dem jetzigen liegen."},
        {"0", "7", "8", "Die Wassermenge muss größer als 0 sein."},
        {"-300", "7", "8", "Die Wassermenge muss größer als 0 sein."},
        {"0", "8", "7", "Die Wassermenge muss größer als 0 sein."},
    };
    for (const auto& c : table) {
        const auto r = khRaiseResult(c.litres, c.now, c.target, "nahco3", german);
        const std::string where = std::string(c.litres) + " L " + c.now + " -> " + c.target;
        EXPECT_EQ(r.hint, c.hint) << where;
        EXPECT_EQ(r.grams, "") << where;
        EXPECT_EQ(r.days, "") << where;
    }
}

TEST(KhRaise, ReadsItsFieldsInOrderAndKnowsTwoSalts) {
    const struct {
        const char* litres;
        const char* now;
        const char* target;
        const char* salt;
        std::optional<int> error;
    } table[] = {
        {"x", "7", "8", "nahco3", runtime::TypeMismatch},
        {"300", "", "8", "nahco3", runtime::TypeMismatch},
        {"300", "7", "8.3", "nahco3", runtime::TypeMismatch},  // English text, German settings
        {"1e400", "x", "8", "nahco3", runtime::Overflow},
        {"300", "7", "8", "khco3", runtime::InvalidArgument},
        {"300", "7", "8", "NaHCO3", runtime::InvalidArgument},
        {"300", "7", "8", "", runtime::InvalidArgument},
        {"300", "x", "8", "khco3", runtime::TypeMismatch},   // numbers before the salt
        {"0", "8", "7", "khco3", runtime::InvalidArgument},  // the salt before any hint
        {"1e300", "0", "1e300", "na2co3", runtime::Overflow},
    };
    for (const auto& c : table) {
        EXPECT_EQ(errorOf([&] { return khRaiseResult(c.litres, c.now, c.target, c.salt, german); }),
                  c.error)
            << c.litres << " | " << c.now << " | " << c.target << " | " << c.salt;
    }
}

}  // namespace
