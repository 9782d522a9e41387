#pragma once

#include <string>
#include <string_view>

#include "calculators/calculators.hpp"

namespace calculators {

// The two openings of the advice to spread a dose over several days.
inline constexpr std::string_view adviceOpening =
    "!!! Salze bitte in reichlich Aquariumwasser auflösen und geleichmäßig über ";
inline constexpr std::string_view adviceOpeningCalciumFirst =
    "Salze bitte gleichmäßig in reichlich Aquariumwasser auflösen und geleichmäßig über ";

inline constexpr std::string_view lineBreak = "\r\n";

// Days to spread a raise of `difference` mg/L over at `stepPerDay` mg/L a
// day: floor((difference - 1) / step) + 1.
double spreadDays(double difference, double stepPerDay);

// The advice paragraph followed by an empty line.
std::string adviceParagraph(std::string_view opening, double days, std::string_view closing,
                            const RegionalSettings& rs);

// An amount directly followed by its unit and name, then a line break.
std::string amountLine(double grams, std::string_view rest, const RegionalSettings& rs);

}  // namespace calculators
