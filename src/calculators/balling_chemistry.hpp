#pragma once

// The chemistry behind dosing the three Balling solutions and raising KH.
// Molar masses in g/mol (equally mg/mmol): the elements' IUPAC standard
// atomic weights, the salts the sums of their atoms' weights, hydrate water
// included, rounded as chemical handbooks list them.

namespace calculators::balling {

inline constexpr double calciumMolarMass = 40.078;                       // Ca
inline constexpr double magnesiumMolarMass = 24.305;                     // Mg
inline constexpr double calciumChlorideDihydrateMolarMass = 147.01;      // CaCl2*2H2O
inline constexpr double sodiumHydrogenCarbonateMolarMass = 84.007;       // NaHCO3
inline constexpr double sodiumCarbonateMolarMass = 105.99;               // Na2CO3
inline constexpr double magnesiumChlorideHexahydrateMolarMass = 203.30;  // MgCl2*6H2O
inline constexpr double magnesiumSulfateHeptahydrateMolarMass = 246.47;  // MgSO4*7H2O
inline constexpr double calciumOxideMolarMass = 56.077;                  // CaO

// The German degree of carbonate hardness is 10 mg CaO per litre; CaO binds
// two equivalents per mmol, so 1 dKH is 2 * 10 / 56.077 meq/L. The hobby's
// dosing tables use it to six figures, and so does Marelto.
inline constexpr double milligramsCalciumOxidePerDkh = 10.0;  // mg/L
inline constexpr double calciumOxideEquivalentsPerMillimole = 2.0;
inline constexpr double milliequivalentsPerDkh = 0.356652;  // meq/L
inline constexpr double dkhFromCalciumOxide =
    calciumOxideEquivalentsPerMillimole * milligramsCalciumOxidePerDkh / calciumOxideMolarMass;
static_assert(milliequivalentsPerDkh - dkhFromCalciumOxide < 1e-6 &&
              dkhFromCalciumOxide - milliequivalentsPerDkh < 1e-6);

// Alkalinity each carbonate salt brings, meq per mmol.
inline constexpr double hydrogenCarbonateEquivalentsPerMillimole = 1.0;  // NaHCO3
inline constexpr double carbonateEquivalentsPerMillimole = 2.0;          // Na2CO3

// Calcification, Ca2+ + 2 HCO3- -> CaCO3 + CO2 + H2O, takes one calcium ion
// with two equivalents of alkalinity: 7.147 mg/L calcium for every dKH.
inline constexpr double calciumEquivalentsPerMillimole = 2.0;
inline constexpr double calcificationCalciumPerDkh =
    milliequivalentsPerDkh / calciumEquivalentsPerMillimole * calciumMolarMass;  // mg/L per dKH

}  // namespace calculators::balling
