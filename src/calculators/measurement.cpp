// Any of the readings a reef keeper takes (density, specific gravity from a
// refractometer or a glass hydrometer, salinity, conductivity) to the
// salinity of the water, and from there to all the others. EOS-80 takes the
// typed temperature as it is, as the salt calculators do; PSS-78 converts it
// to IPTS-68 itself.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculators/calculators.hpp"
#include "runtime/checked.hpp"
#include "seawater/eos80.hpp"
#include "seawater/pss78.hpp"
#include "seawater/specific_gravity.hpp"

namespace calculators {

namespace {

enum class Reading { Density, SpecificGravity, Hydrometer, Salinity, Conductivity };

struct MeasurementKind {
    std::string_view value;  // the option value of the page's choice
    Reading reading;
    bool onReferenceScale;  // read against a reference temperature
};

constexpr std::array<MeasurementKind, 5> measurementKinds{{
    {"dichte", Reading::Density, false},
    {"sg", Reading::SpecificGravity, true},
    {"araeometer", Reading::Hydrometer, true},
    {"salinitaet", Reading::Salinity, false},
    {"leitwert", Reading::Conductivity, false},
}};

// The reference temperatures of SG scales, deg C.
constexpr double sixtyFahrenheit = (60.0 - 32.0) * 5.0 / 9.0;
struct ReferenceTemperature {
    std::string_view value;
    double celsius;
};
constexpr std::array<ReferenceTemperature, 3> referenceTemperatures{{
    {"25", 25.0},
    {"20", 20.0},
    {"15.56", sixtyFahrenheit},
}};

// Where both EOS-80 and PSS-78 hold, and where PSS-78 starts.
constexpr double lowestTemperature = -2.0;   // deg C
constexpr double highestTemperature = 35.0;  // deg C
constexpr double lowestConductivitySalinity = 2.0;
// Above this a typed density is more likely an SG typed in the wrong place:
// the same water reads about 0.003 higher as SG than as density at 25 deg C.
constexpr double likelySpecificGravityAbove = 37.0;
constexpr double gravityOverDensity = 0.003;
constexpr double conductivityReferenceTemperature = 25.0;

constexpr int salinityDecimals = 2;
constexpr int gravityDecimals = 5;
constexpr int conductivityDecimals = 2;

const MeasurementKind& kindOf(std::string_view value) {
    for (const auto& kind : measurementKinds) {
        if (kind.value == value) return kind;
    }
    throw runtime::RuntimeError(runtime::InvalidArgument);
}

double referenceOf(std::string_view value) {
    for (const auto& reference : referenceTemperatures) {
        if (reference.value == value) return reference.celsius;
    }
    throw runtime::RuntimeError(runtime::InvalidArgument);
}

// The salinity the reading gives at water temperature t; empty where no
// salinity from 0 to 42 gives it.
std::optional<double> salinityOf(Reading reading, double value, double reference, double t) {
    using namespace runtime::checked;
    switch (reading) {
        case Reading::Density:
            return seawater::salinityFromDensity(mul(value, 1000.0), t);  // kg/L -> kg/m^3
        case Reading::SpecificGravity:
            return seawater::salinityFromSpecificGravity(value, reference);
        case Reading::Hydrometer:
            return seawater::salinityFromDensity(seawater::hydrometerDensity(value, reference, t),
                                                 t);
        case Reading::Salinity:
            return value;
        case Reading::Conductivity:
            // No water conducts less than nothing; PSS-78 has no answer there.
            if (value < 0.0) return std::nullopt;
            return seawater::salinityFromConductivity(value, t);
    }
    return std::nullopt;
}

bool withinSalinityRange(double s) {
    return s >= seawater::exactSalinityLow && s <= seawater::exactSalinityHigh;
}

std::string rangeHint(std::string_view what, double low, double high, std::string_view unit,
                      const RegionalSettings& rs) {
    return std::string(what) + toText(low, rs) + " bis " + toText(high, rs) + std::string(unit);
}

}  // namespace

MeasurementResult measurementResult(std::string_view kind, std::string_view reference,
                                    std::string_view reading, std::string_view temperature,
                                    const RegionalSettings& rs) {
    using namespace runtime::checked;
    const MeasurementKind& measured = kindOf(kind);
    const double tRef = measured.onReferenceScale ? referenceOf(reference) : 0.0;
    const double value = toNumber(reading, rs);
    const double t = toNumber(temperature, rs);

    MeasurementResult result;
    if (!(t >= lowestTemperature && t <= highestTemperature)) {
        result.hint = rangeHint("Die Umrechnung gilt nur für Wassertemperaturen von ",
                                lowestTemperature, highestTemperature, " Grad Celsius.", rs);
        return result;
    }
    const std::optional<double> found = salinityOf(measured.reading, value, tRef, t);
    if (!found || !withinSalinityRange(*found)) {
        result.hint =
            rangeHint("Der Messwert ergibt keine Salinität von ", seawater::exactSalinityLow,
                      seawater::exactSalinityHigh, " psu; nur dort gilt die Umrechnung.", rs);
        return result;
    }
    const double s = *found;
    const bool conductivityHolds = s >= lowestConductivitySalinity;
    if (measured.reading == Reading::Conductivity && !conductivityHolds) {
        // The salinity itself would come from PSS-78 outside its range.
        result.hint = "Eine Leitfähigkeit unter der von " + toText(lowestConductivitySalinity, rs) +
                      " psu lässt sich nicht umrechnen: Dort gilt PSS-78 nicht.";
        return result;
    }

    result.salinity = toFixedText(s, salinityDecimals, rs);
    result.density = toFixedText(div(seawater::density0(s, t), 1000.0), gravityDecimals, rs);
    result.gravity2525 = toFixedText(seawater::specificGravity(s, 25.0), gravityDecimals, rs);
    result.gravity2020 = toFixedText(seawater::specificGravity(s, 20.0), gravityDecimals, rs);
    result.gravity6060 =
        toFixedText(seawater::specificGravity(s, sixtyFahrenheit), gravityDecimals, rs);
    if (conductivityHolds) {
        result.conductivity =
            toFixedText(seawater::conductivityFromSalinity(s, t), conductivityDecimals, rs);
        result.conductivity25 =
            toFixedText(seawater::conductivityFromSalinity(s, conductivityReferenceTemperature),
                        conductivityDecimals, rs);
    } else {
        result.hint = "Unter " + toText(lowestConductivitySalinity, rs) +
                      " psu gilt PSS-78 nicht: Die Leitfähigkeit bleibt leer.";
    }
    if (measured.reading == Reading::Density && s > likelySpecificGravityAbove) {
        result.hint = "Über " + toText(likelySpecificGravityAbove, rs) +
                      " psu ist ungewöhnlich viel. Zeigt das Gerät ein spezifisches Gewicht "
                      "(Refraktometer, Aräometer), gehört der Wert unter „Spezifisches Gewicht“: "
                      "Dasselbe Wasser zeigt dort etwa " +
                      toText(gravityOverDensity, rs) + " mehr.";
    }
    return result;
}

}  // namespace calculators
