#include <cstdint>
#include <string>

#include "calculators/advice.hpp"
#include "calculators/calculators.hpp"
#include "calculators/dose_factors.hpp"
#include "runtime/checked.hpp"

namespace calculators {

std::string magnesiumResult(std::string_view litres, std::string_view present,
                            std::string_view wanted, const RegionalSettings& rs) {
    using namespace runtime::checked;
    const double volume = toNumber(litres, rs);
    const double now = toNumber(present, rs);
    const double target = toNumber(wanted, rs);

    const double difference = sub(target, now);
    const double magnesium = mul(difference, volume);  // mg
    double chloride = mul(magnesium, dose::magnesiumChloridePerMgMagnesium);
    double sulfate = mul(magnesium, dose::magnesiumSulfatePerMgMagnesium);
    // The day count is a 16-bit integer, checked whether or not it is shown.
    const std::int16_t days = toInt16(spreadDays(difference, dose::magnesiumStepPerDay));
    chloride = truncate2(chloride);
    sulfate = truncate2(sulfate);

    std::string report;
    if (difference > dose::magnesiumStepPerDay) {
        report = adviceParagraph(adviceOpening, days, " Tage verteilen !!!", rs);
    }
    report += amountLine(chloride, "g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)", rs);
    report += amountLine(sulfate, "g Magnesiumsulfat Heptahydrat (MgSO4 x 7H2O)", rs);
    return report;
}

}  // namespace calculators
