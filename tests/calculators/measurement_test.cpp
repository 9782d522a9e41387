#include <gtest/gtest.h>

#include <string>

#include "calculators/calculators.hpp"
#include "support/error_of.hpp"
#include "support/regional_settings.hpp"

namespace {

using calculators::measurementResult;
using testsupport::english;
using testsupport::errorOf;
using testsupport::german;

struct MeasurementCase {
    const char* kind;
    const char* reference;
    const char* reading;
    const char* temperature;
    const char* salinity;
    const char* density;
    const char* gravity2525;
    const char* gravity2020;
    const char* gravity6060;
    const char* conductivity;
    const char* conductivity25;
};

std::string shown(const calculators::MeasurementResult& r) {
    return r.salinity + " | " + r.density + " | " + r.gravity2525 + " | " + r.gravity2020 + " | " +
           r.gravity6060 + " | " + r.conductivity + " | " + r.conductivity25;
}

// Natural seawater, S = 35, as every reading shows it: EOS-80's density at
// 25 deg C (1023.343 kg/m^3), the hobby's SG table (1.0264, 1.0266, 1.0269)
// and PSS-78's conductivity at 25 deg C; the other rows' figures were worked
// out apart from this program, from the published formulas in 40-digit
// arithmetic.
TEST(Measurement, EveryReadingOfNaturalSeawaterGivesTheSameWater) {
    const MeasurementCase table[] = {
        {"salinitaet", "", "35", "25", "35,00", "1,02334", "1,02637", "1,02660", "1,02686", "53,07",
         "53,07"},
        {"sg", "25", "1,0264", "25", "35,04", "1,02337", "1,02640", "1,02663", "1,02689", "53,12",
         "53,12"},
        {"leitwert", "", "42,914", "15", "35,00", "1,02597", "1,02637", "1,02660", "1,02686",
         "42,91", "53,07"},
        {"dichte", "", "1,023343", "25", "35,00", "1,02334", "1,02637", "1,02660", "1,02686",
         "53,07", "53,07"},
        {"sg", "20", "1,02660", "10", "34,99", "1,02695", "1,02637", "1,02660", "1,02686", "38,08",
         "53,06"},
        {"sg", "15.56", "1,02686", "25", "35,00", "1,02334", "1,02637", "1,02660", "1,02686",
         "53,07", "53,07"},
        // A glass hydrometer graduated at 60 deg F, read in water at 26 deg C.
        {"araeometer", "15.56", "1,0240", "26", "34,59", "1,02273", "1,02606", "1,02629", "1,02654",
         "53,55", "52,52"},
        {"leitwert", "", "53,0", "25", "34,95", "1,02330", "1,02633", "1,02656", "1,02682", "53,00",
         "53,00"},
        // An SG typed as a density: nearly 4 psu too salty.
        {"dichte", "", "1,0264", "25", "39,04", "1,02640", "1,02944", "1,02970", "1,02998", "58,47",
         "58,47"},
    };
    for (const auto& c : table) {
        const auto r = measurementResult(c.kind, c.reference, c.reading, c.temperature, german);
        const std::string expected = std::string(c.salinity) + " | " + c.density + " | " +
                                     c.gravity2525 + " | " + c.gravity2020 + " | " + c.gravity6060 +
                                     " | " + c.conductivity + " | " + c.conductivity25;
        EXPECT_EQ(shown(r), expected) << c.kind << " " << c.reading << " at " << c.temperature;
    }
}

TEST(Measurement, SaysWhyWhereTheFormulasDoNotHold) {
    const struct {
        const char* kind;
        const char* reading;
        const char* temperature;
        bool resultsShown;
        bool conductivityShown;
        const char* hint;
    } table[] = {
        {"salinitaet", "35", "35", true, true, ""},
        {"salinitaet", "35", "-2", true, true, ""},
        {"salinitaet", "35", "35,5", false, false,
         "Die Umrechnung gilt nur für Wassertemperaturen von -2 bis 35 Grad Celsius."},
        {"sg", "1,0264", "-2,5", false, false,
         "Die Umrechnung gilt nur für Wassertemperaturen von -2 bis 35 Grad Celsius."},
        {"salinitaet", "42,5", "25", false, false,
         "Der Messwert ergibt keine Salinität von 0 bis 42 psu; nur dort gilt die Umrechnung."},
        {"salinitaet", "-0,1", "25", false, false,
         "Der Messwert ergibt keine Salinität von 0 bis 42 psu; nur dort gilt die Umrechnung."},
        {"dichte", "0,99", "25", false, false,
         "Der Messwert ergibt keine Salinität von 0 bis 42 psu; nur dort gilt die Umrechnung."},
        {"sg", "1,04", "25", false, false,
         "Der Messwert ergibt keine Salinität von 0 bis 42 psu; nur dort gilt die Umrechnung."},
        {"leitwert", "-1", "25", false, false,
         "Der Messwert ergibt keine Salinität von 0 bis 42 psu; nur dort gilt die Umrechnung."},
        {"salinitaet", "1,5", "25", true, false,
         "Unter 2 psu gilt PSS-78 nicht: Die Leitfähigkeit bleibt leer."},
        {"salinitaet", "0", "25", true, false,
         "Unter 2 psu gilt PSS-78 nicht: Die Leitfähigkeit bleibt leer."},
        {"leitwert", "1", "25", false, false,
         "Eine Leitfähigkeit unter der von 2 psu lässt sich nicht umrechnen: Dort gilt PSS-78 "
         "nicht."},
        {"dichte", "1,0264", "25", true, true,
         "Über 37 psu ist ungewöhnlich viel. Zeigt das Gerät ein spezifisches Gewicht "
         "(Refraktometer, Aräometer), gehört der Wert unter „Spezifisches Gewicht“: Dasselbe "
         "Wasser zeigt dort etwa 0,003 mehr."},
        {"dichte", "1,0245", "25", true, true, ""},
        {"sg", "1,0290", "25", true, true, ""},
    };
    for (const auto& c : table) {
        const auto r = measurementResult(c.kind, "25", c.reading, c.temperature, german);
        const std::string where = std::string(c.kind) + " " + c.reading + " at " + c.temperature;
        EXPECT_EQ(r.hint, c.hint) << where;
        for (const std::string* text :
             {&r.salinity, &r.density, &r.gravity2525, &r.gravity2020, &r.gravity6060}) {
            EXPECT_EQ(!text->empty(), c.resultsShown) << where;
        }
        EXPECT_EQ(!r.conductivity.empty(), c.conductivityShown) << where;
        EXPECT_EQ(!r.conductivity25.empty(), c.conductivityShown) << where;
    }
}

TEST(Measurement, ReadsEveryFieldByTheNumberRules) {
    const auto r = measurementResult("sg", "25", "1.0264", "25", english);
    EXPECT_EQ(r.salinity, "35.04");
    EXPECT_EQ(r.density, "1.02337");
    const struct {
        const char* kind;
        const char* reference;
        const char* reading;
        const char* temperature;
        int error;
    } bad[] = {
        {"sg", "25", "1.0264", "25", runtime::TypeMismatch},  // English text, German settings
        {"sg", "25", "", "25", runtime::TypeMismatch},
        {"sg", "25", "1,0264", "warm", runtime::TypeMismatch},
        {"sg", "25", "1e400", "25", runtime::Overflow},
        {"sg", "30", "1,0264", "25", runtime::InvalidArgument},
        {"refraktometer", "25", "1,0264", "25", runtime::InvalidArgument},
    };
    for (const auto& c : bad) {
        EXPECT_EQ(errorOf([&] {
                      return measurementResult(c.kind, c.reference, c.reading, c.temperature,
                                               german);
                  }),
                  c.error)
            << c.kind << " " << c.reference << " " << c.reading << " " << c.temperature;
    }
    // The reference temperature counts only where the reading is on an SG scale.
    EXPECT_EQ(measurementResult("salinitaet", "", "35", "25", german).salinity, "35,00");
}

}  // namespace
