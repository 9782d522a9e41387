#pragma once

// The four calculators as functions from the texts of their fields to the
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

}  // namespace calculators
