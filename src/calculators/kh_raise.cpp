// Grams of a carbonate salt that raise the KH of a tank, spread over days so
// that the KH rises by no more than one degree a day.

#include <array>
#include <string>
#include <string_view>

#include "calculators/balling_chemistry.hpp"
#include "calculators/calculators.hpp"
#include "calculators/whole_days.hpp"
#include "runtime/checked.hpp"

namespace calculators {

namespace {

struct CarbonateSalt {
    std::string_view value;     // the option value of the page's choice
    double molarMass;           // g/mol
    double equivalentsPerMole;  // meq per mmol
};

constexpr std::array<CarbonateSalt, 2> carbonateSalts{{
    {"nahco3", balling::sodiumHydrogenCarbonateMolarMass,
     balling::hydrogenCarbonateEquivalentsPerMillimole},
    {"na2co3", balling::sodiumCarbonateMolarMass, balling::carbonateEquivalentsPerMillimole},
}};

// A faster rise stresses corals.
constexpr double largestRisePerDay = 1.0;  // dKH

constexpr double milligramsPerGram = 1000.0;
constexpr int gramDecimals = 2;

const CarbonateSalt& saltOf(std::string_view value) {
    for (const auto& salt : carbonateSalts) {
        if (salt.value == value) return salt;
    }
    throw runtime::RuntimeError(runtime::InvalidArgument);
}

}  // namespace

KhRaiseResult khRaiseResult(std::string_view litres, std::string_view khNow,
                            std::string_view khTarget, std::string_view salt,
                            const RegionalSettings& rs) {
    using namespace runtime::checked;
    const double volume = toNumber(litres, rs);
    const double now = toNumber(khNow, rs);
    const double target = toNumber(khTarget, rs);
    const CarbonateSalt& dosed = saltOf(salt);

    KhRaiseResult result;
    if (!(volume > 0.0)) {
        result.hint = "Die Wassermenge muss größer als 0 sein.";
        return result;
    }
    if (!(target > now)) {
        result.hint =
            "Durch Dosieren sinkt die KH nicht: Der Zielwert muss über dem jetzigen liegen.";
        return result;
    }
    const double rise = sub(target, now);  // dKH
    const double millimolesPerLitre =
        div(mul(rise, balling::milliequivalentsPerDkh), dosed.equivalentsPerMole);
    const double grams =
        div(mul(mul(millimolesPerLitre, dosed.molarMass), volume), milligramsPerGram);
    result.grams = toFixedText(grams, gramDecimals, rs);
    result.days = toFixedText(wholeDaysUp(div(rise, largestRisePerDay)), 0, rs);
    return result;
}

}  // namespace calculators
