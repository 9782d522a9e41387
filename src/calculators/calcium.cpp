#include <string>

#include "calculators/advice.hpp"
#include "calculators/calculators.hpp"
#include "calculators/dose_factors.hpp"
#include "runtime/checked.hpp"

namespace calculators {

namespace {

constexpr std::string_view calciumClosing = " Tage verteilen!!!";

struct BallingDose {
    double calciumChloride;
    double magnesiumChloride;
    double magnesiumSulfate;
    double hydrogenCarbonate;
    double chlorideFreeSalt;
    double replacedSeaSalt;
};

// The advice goes to the ingredient that needs at least as many days (a tie
// goes to magnesium); no advice when that ingredient fits into one day's step.
std::string adviceFor(double calciumDiff, double magnesiumDiff, bool withMagnesium,
                      const RegionalSettings& rs) {
    using namespace runtime::checked;
    const double calciumDays = spreadDays(calciumDiff, dose::calciumStepPerDay);
    const double magnesiumDays = spreadDays(magnesiumDiff, dose::magnesiumStepPerDay);
    if (withMagnesium && div(magnesiumDiff, 2.0) >= calciumDiff) {
        if (magnesiumDiff > dose::magnesiumStepPerDay) {
            return adviceParagraph(adviceOpening, magnesiumDays, calciumClosing, rs);
        }
        return {};
    }
    if (calciumDiff > dose::calciumStepPerDay) {
        return adviceParagraph(withMagnesium ? adviceOpeningCalciumFirst : adviceOpening,
                               calciumDays, calciumClosing, rs);
    }
    return {};
}

}  // namespace

std::string calciumResult(std::string_view litres, std::string_view calciumNow,
                          std::string_view magnesiumNow, std::string_view calciumWanted,
                          std::string_view magnesiumWanted, bool withMagnesium,
                          const RegionalSettings& rs) {
    using namespace runtime::checked;
    // All five fields are read, the magnesium ones even while they are hidden.
    const double volume = toNumber(litres, rs);
    const double caNow = toNumber(calciumNow, rs);
    const double mgNow = toNumber(magnesiumNow, rs);
    const double caWanted = toNumber(calciumWanted, rs);
    const double mgWanted = toNumber(magnesiumWanted, rs);

    const double calciumDiff = sub(caWanted, caNow);
    const double magnesiumDiff = sub(mgWanted, mgNow);
    const double calcium = mul(calciumDiff, volume);      // mg
    const double magnesium = mul(magnesiumDiff, volume);  // mg

    BallingDose dose{
        mul(calcium, dose::calciumChloridePerMgCalcium),
        mul(magnesium, dose::magnesiumChloridePerMgMagnesium),
        mul(magnesium, dose::magnesiumSulfatePerMgMagnesium),
        mul(calcium, dose::hydrogenCarbonatePerMgCalcium),
        mul(calcium, dose::chlorideFreeSaltPerMgCalcium),
        mul(calcium, dose::replacedSeaSaltPerMgCalcium),
    };
    for (double* amount :
         {&dose.calciumChloride, &dose.magnesiumChloride, &dose.magnesiumSulfate,
          &dose.hydrogenCarbonate, &dose.chlorideFreeSalt, &dose.replacedSeaSalt}) {
        *amount = truncate2(*amount);
    }

    std::string report = adviceFor(calciumDiff, magnesiumDiff, withMagnesium, rs);

    if (withMagnesium) {
        report += amountLine(dose.calciumChloride, "g Claciumchlorid Dihydrat (CaCl2 x 2H2O) ", rs);
        report += amountLine(dose.hydrogenCarbonate, "g Natrium Hydrogencarbonat (NaHCO3) ", rs);
        report +=
            amountLine(dose.magnesiumChloride, "g Magnesiumchlorid Hexahydrat (MgCl2 x 6H2O)", rs);
        report +=
            amountLine(dose.magnesiumSulfate, "gMagnesiumsulfat Heptahydrat (MgSO4 x 7H2O)", rs);
        report += amountLine(dose.chlorideFreeSalt, "g Natriumchlorid freies Meersalz ", rs);
    } else {
        report += amountLine(dose.calciumChloride, "g Claciumchlorid Dihydrat (CaCl2 x 2H2O)", rs);
        report += amountLine(dose.hydrogenCarbonate, "g Natrium Hydrogencarbonat (NaHCO3)", rs);
        report += amountLine(dose.chlorideFreeSalt, "g Natriumchlorid freies Meersalz ", rs);
    }
    report += "==>Ersetzt ";
    report += amountLine(dose.replacedSeaSalt, "g Meersalz", rs);
    return report;
}

}  // namespace calculators
