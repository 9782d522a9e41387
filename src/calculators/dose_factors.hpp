#pragma once

// Grams of each dosing salt per milligram of the element it is dosed for.
// Molar masses (g/mol) behind the derived ones: Ca 40.078, Mg 24.305,
// CaCl2*2H2O 147.01, NaHCO3 84.007.

namespace calculators::dose {

// Magnesium is dosed as a mix carrying about nine tenths of it as chloride and
// one tenth as sulfate; these are the mix's established amounts per mg of Mg.
inline constexpr double magnesiumChloridePerMgMagnesium = 0.00758;  // MgCl2*6H2O
inline constexpr double magnesiumSulfatePerMgMagnesium = 0.00095;   // MgSO4*7H2O

// 147.01 / 40.078 mg of the dihydrate carry one mg of calcium.
inline constexpr double calciumChloridePerMgCalcium = 0.003668;  // CaCl2*2H2O
// Two hydrogen carbonate ions per calcium ion: 2 * 84.007 / 40.078.
inline constexpr double hydrogenCarbonatePerMgCalcium = 0.00419;  // NaHCO3
// Balling's third component: sea salt free of sodium chloride.
inline constexpr double chlorideFreeSaltPerMgCalcium = 0.00125;
// Ordinary sea salt the Balling dose stands in for.
inline constexpr double replacedSeaSaltPerMgCalcium = 0.00417;

// Largest raise per litre and day that the advice spreads a dose over, mg/L.
inline constexpr double magnesiumStepPerDay = 20.0;
inline constexpr double calciumStepPerDay = 10.0;

}  // namespace calculators::dose
