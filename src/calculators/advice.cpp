#include "calculators/advice.hpp"

#include "runtime/checked.hpp"

namespace calculators {

double spreadDays(double difference, double stepPerDay) {
    using namespace runtime::checked;
    return add(floorOf(div(sub(difference, 1.0), stepPerDay)), 1.0);
}

std::string adviceParagraph(std::string_view opening, double days, std::string_view closing,
                            const RegionalSettings& rs) {
    std::string text(opening);
    text += toText(days, rs);
    text += closing;
    text += lineBreak;
    text += lineBreak;
    return text;
}

std::string amountLine(double grams, std::string_view rest, const RegionalSettings& rs) {
    std::string text = toText(grams, rs);
    text += rest;
    text += lineBreak;
    return text;
}

}  // namespace calculators
