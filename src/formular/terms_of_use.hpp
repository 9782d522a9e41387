#pragma once

// The terms of use on the about panel: four paragraphs (licence, liability,
// the science behind the salt amounts, the dosing method), lines ended with
// CR LF and kept short enough to show unwrapped in the field.

#include <string_view>

namespace formular {

inline constexpr std::string_view termsOfUse =
    "Diese Software darf von Privatpersonen kostenlos genutzt und\r\n"
    "in unveränderter Form weitergegeben werden. Jede gewerbliche\r\n"
    "Nutzung, der Verkauf und die Veränderung des Programms\r\n"
    "bedürfen der schriftlichen Zustimmung des Herstellers.\r\n"
    "\r\n"
    "Weder die Entwickler der Software noch der Hersteller haften\r\n"
    "für Schäden, die durch ihre Nutzung entstehen können.\r\n"
    "\r\n"
    "Die Meersalzberechnung beruht auf den UNESCO-Algorithmen\r\n"
    "von 1983 zur Berechnung der grundlegenden Eigenschaften des\r\n"
    "Meerwassers (UNESCO technical papers in marine science,\r\n"
    "Nr. 44).\r\n"
    "\r\n"
    "Die Berechnungen von Calcium und Magnesium folgen der\r\n"
    "Balling-Methode.\r\n";

}  // namespace formular
