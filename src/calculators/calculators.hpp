#pragma once

// The calculators as functions from the texts of their fields to the
// text of their result, with the number rules they share. Every function
// either returns its text or throws runtime::RuntimeError; none of them
// depends on the C library's locale.

#include <string>
#include <string_view>

namespace calculators {

// The user's regional number settings, both UTF-8 (for example "," and "."
// under German settings).
struct RegionalSettings {
    std::string decimalSeparator;
    std::string groupSeparator;
};

// Text to number. Blanks around the number are dropped; group separators are
// accepted only between groups of three digits. Error 13 for anything that is
// not a number (the empty text included), 6 for a value beyond double range.
double toNumber(std::string_view text, const RegionalSettings& rs);

// Number to text: at most 15 significant digits, no group separators, no
// trailing zeros, exponent form ("1,5E+20") from 1E15 up and below 1E-4.
std::string toText(double value, const RegionalSettings& rs);

// Number to text with exactly `decimals` decimals (at most 20), rounded half
// away from zero on the exact binary value: 1.005 is stored just below and
// stays 1.00, 0.125 becomes 0.13. No group separators; a result that rounds
// to zero is written without a sign.
std::string toFixedText(double value, int decimals, const RegionalSettings& rs);

// Cuts an amount to two decimals towards minus infinity (7.336 -> 7.33,
// -47.754 -> -47.76).
double truncate2(double x);

// New water: grams of sea salt for a wanted specific density (kg/L) at a
// temperature (deg C) in a volume (L).
std::string newWaterResult(std::string_view density, std::string_view temperature,
                           std::string_view litres, const RegionalSettings& rs);

// Density change: grams of salt to add, or litres to replace with fresh water.
std::string densityChangeResult(std::string_view densityNow, std::string_view densityNew,
                                std::string_view litres, const RegionalSettings& rs);

// Magnesium raise: the two magnesium salts and the days to spread them over.
std::string magnesiumResult(std::string_view litres, std::string_view present,
                            std::string_view wanted, const RegionalSettings& rs);

// Calcium (and optionally magnesium) raise after Balling.
std::string calciumResult(std::string_view litres, std::string_view calciumNow,
                          std::string_view magnesiumNow, std::string_view calciumWanted,
                          std::string_view magnesiumWanted, bool withMagnesium,
                          const RegionalSettings& rs);

// What a keeper measured, turned into every other reading of the same water.
// Each text is the number alone under the regional settings, or empty where
// it does not apply; `hint` says what the user must know (an input outside
// the range where the formulas hold, a reading that looks like a specific
// gravity) and is empty otherwise.
struct MeasurementResult {
    std::string salinity;        // psu, 2 decimals
    std::string density;         // kg/L at the water temperature, 5 decimals
    std::string gravity2525;     // specific gravity 25/25 deg C, 5 decimals
    std::string gravity2020;     // 20/20 deg C
    std::string gravity6060;     // 60/60 deg F
    std::string conductivity;    // mS/cm at the water temperature, 2 decimals
    std::string conductivity25;  // mS/cm at 25 deg C, 2 decimals
    std::string hint;
};

// `kind` is what was measured ("dichte", "sg", "araeometer", "salinitaet",
// "leitwert"); `reference` the reference temperature of an SG or hydrometer
// scale ("25", "20", "15.56" for 60/60 deg F), read only for those two.
MeasurementResult measurementResult(std::string_view kind, std::string_view reference,
                                    std::string_view reading, std::string_view temperature,
                                    const RegionalSettings& rs);

// The daily dose of each of the three Balling solutions that holds the levels
// of calcium, KH and magnesium, from two tests some days apart and what was
// dosed meanwhile. Each text is the number alone under the regional settings,
// or empty where it does not apply; `hint` says what the user must know (a
// value that must be above 0, no consumption measured, a consumption out of
// the proportion of calcification) and is empty otherwise.
struct ConsumptionResult {
    std::string calciumPerDay, khPerDay, magnesiumPerDay;  // mg/L, dKH, mg/L a day, 2 decimals
    std::string millilitres1, millilitres2, millilitres3;  // ml a day of solutions 1-3, 1 decimal
    std::string canisterDays1, canisterDays2, canisterDays3;  // whole days, rounded down
    std::string ratio;                                        // mg/L calcium per dKH, 1 decimal
    std::string hint;
};

// The fields in the page's order: litres, days, then first test, second test
// and ml a day dosed for calcium, KH and magnesium, then g/L of CaCl2*2H2O
// (solution 1), NaHCO3 (solution 2), MgCl2*6H2O and MgSO4*7H2O (solution 3),
// then the litres of one canister.
ConsumptionResult consumptionResult(
    std::string_view litres, std::string_view days, std::string_view calciumFirst,
    std::string_view calciumSecond, std::string_view calciumDosed, std::string_view khFirst,
    std::string_view khSecond, std::string_view khDosed, std::string_view magnesiumFirst,
    std::string_view magnesiumSecond, std::string_view magnesiumDosed, std::string_view solution1,
    std::string_view solution2, std::string_view solution3Chloride,
    std::string_view solution3Sulfate, std::string_view canisterLitres, const RegionalSettings& rs);

// Grams of a carbonate salt that raise the KH of a volume, and the days to
// spread them over; both empty, and the hint saying why, where there is
// nothing to raise.
struct KhRaiseResult {
    std::string grams;  // 2 decimals
    std::string days;   // whole days
    std::string hint;
};

// `salt` is "nahco3" (sodium hydrogen carbonate) or "na2co3" (sodium
// carbonate); anything else is run-time error 5.
KhRaiseResult khRaiseResult(std::string_view litres, std::string_view khNow,
                            std::string_view khTarget, std::string_view salt,
                            const RegionalSettings& rs);

}  // namespace calculators
