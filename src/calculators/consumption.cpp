// What the tank consumes a day of calcium, KH and magnesium, from two tests
// and the solutions dosed between them, and the daily dose of each Balling
// solution that holds the level.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/balling_chemistry.hpp"
#include "calculators/calculators.hpp"
#include "calculators/whole_days.hpp"
#include "runtime/checked.hpp"

namespace calculators {

namespace {

using namespace balling;

// What one ml of each solution carries per g/L of its salt: mg of calcium,
// dKH in one litre, mg of magnesium.
constexpr double calciumPerGramChloride = calciumMolarMass / calciumChlorideDihydrateMolarMass;
constexpr double dkhLitresPerGramHydrogenCarbonate =
    1.0 / sodiumHydrogenCarbonateMolarMass / milliequivalentsPerDkh;
constexpr double magnesiumPerGramChloride =
    magnesiumMolarMass / magnesiumChlorideHexahydrateMolarMass;
constexpr double magnesiumPerGramSulfate =
    magnesiumMolarMass / magnesiumSulfateHeptahydrateMolarMass;

// Consumption this far from calcification's proportion, either way, means
// something else takes calcium or KH (precipitation, a wrong test, a second
// source).
constexpr double calcificationTolerance = 0.25;
constexpr double lowestCalcificationRatio =
    (1.0 - calcificationTolerance) * calcificationCalciumPerDkh;
constexpr double highestCalcificationRatio =
    (1.0 + calcificationTolerance) * calcificationCalciumPerDkh;

constexpr double millilitresPerLitre = 1000.0;

constexpr int perDayDecimals = 2;
constexpr int millilitreDecimals = 1;
constexpr int ratioDecimals = 1;

// A value that must be above 0 (or, where zeroAllowed, not below 0), with
// what the hint says otherwise.
struct Requirement {
    double value;
    bool zeroAllowed;
    std::string_view hint;
};

struct Element {
    std::string_view name;  // as the hint names it
    double perDay;          // consumption a day, in the element's unit
    double millilitres;     // ml a day of its solution that hold the level
};

// Consumption a day, and the daily dose of a solution of `strength` (the
// element's unit times litres, per ml) that holds the level: c * volume /
// strength, worked out as the measured fall's share plus what was dosed, so
// that a level held by dosing alone gives back exactly the ml dosed.
Element elementOf(std::string_view name, double first, double second, double dosed, double strength,
                  double volume, double days) {
    using namespace runtime::checked;
    const double fall = sub(first, second);
    return {name, add(div(fall, days), div(mul(dosed, strength), volume)),
            add(div(mul(fall, volume), mul(days, strength)), dosed)};
}

// The hint of the first value that is not as it must be; empty for none.
std::string_view firstUnmet(std::span<const Requirement> requirements) {
    for (const auto& required : requirements) {
        if (required.zeroAllowed ? !(required.value >= 0.0) : !(required.value > 0.0)) {
            return required.hint;
        }
    }
    return {};
}

// "Für Calcium und KH wurde kein Verbrauch gemessen." for the elements named,
// empty for none.
std::string notConsumedHint(const std::vector<std::string_view>& names) {
    if (names.empty()) return {};
    std::string hint = "Für ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) hint += i + 1 == names.size() ? " und " : ", ";
        hint += names[i];
    }
    return hint + " wurde kein Verbrauch gemessen.";
}

}  // namespace

ConsumptionResult consumptionResult(std::string_view litres, std::string_view days,
                                    std::string_view calciumFirst, std::string_view calciumSecond,
                                    std::string_view calciumDosed, std::string_view khFirst,
                                    std::string_view khSecond, std::string_view khDosed,
                                    std::string_view magnesiumFirst,
                                    std::string_view magnesiumSecond,
                                    std::string_view magnesiumDosed, std::string_view solution1,
                                    std::string_view solution2, std::string_view solution3Chloride,
                                    std::string_view solution3Sulfate,
                                    std::string_view canisterLitres, const RegionalSettings& rs) {
    using namespace runtime::checked;
    const double volume = toNumber(litres, rs);
    const double period = toNumber(days, rs);
    const double caFirst = toNumber(calciumFirst, rs);
    const double caSecond = toNumber(calciumSecond, rs);
    const double caDosed = toNumber(calciumDosed, rs);
    const double khFirstValue = toNumber(khFirst, rs);
    const double khSecondValue = toNumber(khSecond, rs);
    const double khDosedValue = toNumber(khDosed, rs);
    const double mgFirst = toNumber(magnesiumFirst, rs);
    const double mgSecond = toNumber(magnesiumSecond, rs);
    const double mgDosed = toNumber(magnesiumDosed, rs);
    const double calciumChloride = toNumber(solution1, rs);
    const double hydrogenCarbonate = toNumber(solution2, rs);
    const double magnesiumChloride = toNumber(solution3Chloride, rs);
    const double magnesiumSulfate = toNumber(solution3Sulfate, rs);
    const double canister = toNumber(canisterLitres, rs);

    ConsumptionResult result;
    const std::array<Requirement, 9> requirements{{
        {volume, false, "Die Wassermenge muss größer als 0 sein."},
        {period, false, "Die Tage zwischen den Messungen müssen größer als 0 sein."},
        {caDosed, true, "Die dosierte Menge von Lösung 1 darf nicht negativ sein."},
        {khDosedValue, true, "Die dosierte Menge von Lösung 2 darf nicht negativ sein."},
        {mgDosed, true, "Die dosierte Menge von Lösung 3 darf nicht negativ sein."},
        {calciumChloride, false,
         "Die Menge Calciumchlorid je Liter Lösung 1 muss größer als 0 sein."},
        {hydrogenCarbonate, false,
         "Die Menge Natriumhydrogencarbonat je Liter Lösung 2 muss größer als 0 sein."},
        {magnesiumChloride, true,
         "Die Menge Magnesiumchlorid je Liter Lösung 3 darf nicht negativ sein."},
        {magnesiumSulfate, true,
         "Die Menge Magnesiumsulfat je Liter Lösung 3 darf nicht negativ sein."},
    }};
    if (const std::string_view unmet = firstUnmet(requirements); !unmet.empty()) {
        result.hint = unmet;
        return result;
    }
    // Either magnesium salt alone makes a solution 3, but not neither.
    const double magnesiumStrength = add(mul(magnesiumChloride, magnesiumPerGramChloride),
                                         mul(magnesiumSulfate, magnesiumPerGramSulfate));
    if (!(magnesiumStrength > 0.0)) {
        result.hint =
            "Magnesiumchlorid und Magnesiumsulfat je Liter Lösung 3 müssen zusammen größer als 0 "
            "sein.";
        return result;
    }
    if (!(canister > 0.0)) {
        result.hint = "Die Kanistergröße muss größer als 0 sein.";
        return result;
    }

    const std::array<Element, 3> elements{{
        elementOf("Calcium", caFirst, caSecond, caDosed,
                  mul(calciumChloride, calciumPerGramChloride), volume, period),
        elementOf("KH", khFirstValue, khSecondValue, khDosedValue,
                  mul(hydrogenCarbonate, dkhLitresPerGramHydrogenCarbonate), volume, period),
        elementOf("Magnesium", mgFirst, mgSecond, mgDosed, magnesiumStrength, volume, period),
    }};
    const std::array<std::string*, 3> perDay{&result.calciumPerDay, &result.khPerDay,
                                             &result.magnesiumPerDay};
    const std::array<std::string*, 3> millilitres{&result.millilitres1, &result.millilitres2,
                                                  &result.millilitres3};
    const std::array<std::string*, 3> canisterDays{&result.canisterDays1, &result.canisterDays2,
                                                   &result.canisterDays3};
    std::vector<std::string_view> notConsumed;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& element = elements[i];
        *perDay[i] = toFixedText(element.perDay, perDayDecimals, rs);
        if (element.perDay > 0.0) {
            *millilitres[i] = toFixedText(element.millilitres, millilitreDecimals, rs);
            *canisterDays[i] = toFixedText(
                wholeDaysDown(div(mul(canister, millilitresPerLitre), element.millilitres)), 0, rs);
        } else {
            *millilitres[i] = toFixedText(0.0, millilitreDecimals, rs);
            notConsumed.push_back(element.name);
        }
    }
    result.hint = notConsumedHint(notConsumed);

    const double calciumPerDay = elements[0].perDay;
    const double khPerDay = elements[1].perDay;
    if (calciumPerDay > 0.0 && khPerDay > 0.0) {
        const double ratio = div(calciumPerDay, khPerDay);
        result.ratio = toFixedText(ratio, ratioDecimals, rs);
        if (ratio < lowestCalcificationRatio || ratio > highestCalcificationRatio) {
            if (!result.hint.empty()) result.hint += ' ';
            result.hint += "Calcium und KH werden nicht im Verhältnis der Kalkbildung (" +
                           toFixedText(calcificationCalciumPerDkh, ratioDecimals, rs) +
                           " mg/L Calcium je °dKH) verbraucht. Die Lösungen 1 und 2 sollten dann "
                           "nicht in gleichen Mengen dosiert werden.";
        }
    }
    return result;
}

}  // namespace calculators
