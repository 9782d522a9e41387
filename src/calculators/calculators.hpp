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

}  // namespace calculators
