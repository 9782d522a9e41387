#pragma once

// The window's controls as data: the title area, the navigation row and the
// five panels, then the contents of each panel, and last the names a screen
// reader speaks for controls without a caption. Places and sizes are in
// twips relative to the container (window client area or panel). The
// captions are the program's own, spellings included ("ansetzten",
// "Wassertemperaur", "Clacium", "Baling"): keep them as they are.

#include "formular/about_texts.hpp"
#include "formular/control_description.hpp"
#include "formular/release.hpp"

#include <array>

namespace formular::tables {

using enum ControlKind;

inline constexpr int clientWidth = 5550;
inline constexpr int clientHeight = 5295;

// A panel here fills the band between the title and the navigation row.
inline constexpr int viewLeft = 120;
inline constexpr int viewTop = 960;
// Far beyond the right and bottom edges, so a panel here is out of sight.
inline constexpr int parkLeft = 9000;
inline constexpr int parkTop = 9000;

// One control per line, however wide: the rows read as a table.
// clang-format off

// Directly on the window, in stacking order from the top down: a panel
// nearer the top hides one below it when both are at the view position.
// The tab indices give the navigation row's focus order.
inline constexpr std::array windowControls{
    ControlDescription{"Frm_kalzium", Panel, "Calcium (Magnesium) erhöhen nach Baling", 5760, 5400, 5295, 3735},
    ControlDescription{"frm_magnesium", Panel, "Magnesium erhöhen", 5760, 2880, 5295, 3735},
    ControlDescription{"Command4", Button, "Calcium", 2640, 4800, 1095, 375, 4},
    ControlDescription{"Command3", Button, "Magnesium", 1440, 4800, 1095, 375, 3},
    ControlDescription{"Command2", Button, "Salz", 240, 4800, 1095, 375, 2},
    ControlDescription{"frm_ueber", Panel, "Über", 1080, 6360, 5295, 3735},
    ControlDescription{"cmd_ueber", Button, "Über", 4320, 4800, 1095, 375, 1},
    ControlDescription{"frm_changewater", Panel, "Dichte verändern", 6000, 360, 5295, 3735},
    ControlDescription{"frm_Frischwasser", Panel, "Neues Wasser ansetzten", viewLeft, viewTop, 5295, 3735},
    ControlDescription{"Label24", Label, "- Marelto -", 1080, 480, 3135, 375, 0, ControlStyle::Title},
    ControlDescription{"Label23", Link, publisher::hostName, 360, 120, 4935, 495, 0, ControlStyle::HostName},
};

inline constexpr std::string_view measureAgainWarning =
    "Bitte Mischungen UNBEDINGT immer mit Aerometer oder entsprechend nachmessen!  ";

inline constexpr std::array newWaterControls{
    ControlDescription{"lbl_temperatur", Label, "Wassertemperaur in Grad Celsius", 360, 360, 1335, 375},
    ControlDescription{"txt_Temperatur", TextField, "25", 360, 840, 495, 375, 1},
    ControlDescription{"lbl_Liter", Label, "Wassermenge in Liter", 1920, 360, 1095, 375},
    ControlDescription{"txt_Liter", TextField, "20", 1920, 840, 975, 375, 2},
    ControlDescription{"cmd_changewater", Button, "Wasser ändern", 3600, 240, 1455, 375, 5},
    ControlDescription{"lbl_Dichte", Label, "Gewünschte Spezifische Dichte (Normal ist 1,023)", 360, 1440, 2415, 495},
    ControlDescription{"txt_Dichte", TextField, "1,023", 360, 1920, 615, 375, 3},
    ControlDescription{"Label1", Label, "Kg/Liter", 1080, 2040, 855, 255},
    ControlDescription{"cmd_Dichte", Button, "Berechnen", 2760, 1920, 1935, 375, 4},
    ControlDescription{"Label2", Label, "Benötigte Salzmenge", 360, 2400, 1695, 255},
    ControlDescription{"lbl_ergebnis", Label, "", 600, 2640, 4335, 615, 0, ControlStyle::ResultLabel},
    ControlDescription{"Label21", Label, measureAgainWarning, 360, 3240, 4215, 375, 0, ControlStyle::Warning},
};

inline constexpr std::array densityChangeControls{
    ControlDescription{"Label5", Label, "Wassermenge in Liter", 360, 360, 1095, 375},
    ControlDescription{"txt2_Liter", TextField, "20", 360, 840, 975, 375, 1},
    ControlDescription{"Label6", Label, "Momentane Dichte", 1800, 360, 975, 375},
    ControlDescription{"txt_Dichtejetzt", TextField, "1,023", 1800, 840, 615, 375, 2},
    ControlDescription{"cmd_newater", Button, "Neues Wasser", 3600, 240, 1455, 375, 5},
    ControlDescription{"Label7", Label, "Gewünschte Dichte ", 360, 1440, 975, 375},
    ControlDescription{"txt_Dichteneu", TextField, "1,024", 360, 1920, 735, 375, 3},
    ControlDescription{"Command1", Button, "Berechnen", 2760, 1920, 1935, 375, 4},
    ControlDescription{"Label9", Label, "Ergebnis", 360, 2400, 975, 255},
    ControlDescription{"lbl2_ergebnis", Label, "", 360, 2640, 4455, 615, 0, ControlStyle::ResultLabel},
    ControlDescription{"Label28", Label, measureAgainWarning, 360, 3240, 4215, 375, 0, ControlStyle::Warning},
};

inline constexpr std::array magnesiumControls{
    ControlDescription{"Label4", Label, "Wassermenge in Liter", 360, 360, 1095, 375},
    ControlDescription{"magliter_becken", TextField, "300", 360, 840, 1215, 375, 1},
    ControlDescription{"Label25", Label, "Momentaner Magnesium- gehalt mg/Liter", 2160, 360, 1815, 495},
    ControlDescription{"magnesium_becken", TextField, "1200", 2160, 840, 1215, 375, 2},
    ControlDescription{"Label26", Label, "Gewünschter Magnesiumgehalt mg/Liter (natürlich ist 1300)", 360, 1320, 2055, 615},
    ControlDescription{"magnesium_ziel", TextField, "1300", 360, 2040, 1215, 375, 3},
    ControlDescription{"Command5", Button, "Berechnen", 2760, 2040, 1815, 375, 4},
    ControlDescription{"Label27", Label, "Benötigte Mengen", 360, 2520, 1455, 255},
    ControlDescription{"txt_magerg", ResultField, "", 360, 2760, 4695, 855},
};

// The four magnesium controls start hidden; the check box shows them.
inline constexpr std::array calciumControls{
    ControlDescription{"Checkmitmagnesium", CheckBox, "Berechnung mit Magnesiumzugabe", 120, 360, 1815, 375, 5},
    ControlDescription{"Label29", Label, "Wassermenge in Liter", 2400, 360, 1095, 375},
    ControlDescription{"txt_magnesiumbecken", TextField, "300", 3600, 360, 975, 375, 1},
    ControlDescription{"Label30", Label, "Momentaner Clacium- gehalt mg/Liter", 120, 840, 1695, 495},
    ControlDescription{"txt_kalziumjetzt", TextField, "380", 120, 1320, 1575, 375, 2},
    ControlDescription{"lbl_plusistmagnesium", Label, "Momentaner Magnesium- gehalt mg/Liter", 2400, 840, 1815, 495, 0, ControlStyle::Plain, true},
    ControlDescription{"txt_plusistmagnesium", TextField, "1200", 2400, 1320, 1215, 375, 7, ControlStyle::Plain, true},
    ControlDescription{"Label31", Label, "Gewünschter Calciumgehalt mg/Liter (natürlich ist 420)", 120, 1680, 2055, 615},
    ControlDescription{"txt_pluskalzium", TextField, "500", 120, 2160, 1455, 375, 3},
    ControlDescription{"lbl_plusmagnesium", Label, "Gewünschter Magnesiumgehalt mg/Liter (optimal ist 1300)", 2400, 1680, 2295, 615, 0, ControlStyle::Plain, true},
    ControlDescription{"txt_plusmagnesium", TextField, "1300", 2400, 2160, 1215, 375, 6, ControlStyle::Plain, true},
    ControlDescription{"Command6", Button, "Berechnen", 3960, 2160, 1215, 375, 4},
    ControlDescription{"ergebnis_kalzium", ResultField, "", 120, 2640, 5055, 975},
};

// Who made the program, on what terms, on which science it rests. The left
// column holds names, postal and legal details, the right one contact details
// and the version; the terms field is the only control Tab reaches.
inline constexpr std::array aboutControls{
    ControlDescription{"Label3", Link, publisher::hostName, 960, 240, 3255, 375, 0, ControlStyle::SiteName},
    ControlDescription{"Label8", Label, "- Marelto -", 960, 600, 3255, 375, 0, ControlStyle::AboutTitle},
    ControlDescription{"Label10", Label, maker::companyAndRelease, 240, 960, 2295, 255},
    ControlDescription{"Label11", Label, maker::street, 240, 1200, 1575, 255},
    ControlDescription{"Label12", Label, maker::postalCodeAndTown, 240, 1440, 1455, 255},
    ControlDescription{"Label13", Label, maker::country, 240, 1680, 735, 255},
    ControlDescription{"Label18", Label, maker::commercialRegister, 240, 1920, 2535, 255},
    ControlDescription{"Label19", Label, maker::vatIdLine, 240, 2160, 2415, 255},
    ControlDescription{"Label20", Label, "Nutzungsbedingungen:", 240, 2400, 1815, 255},
    ControlDescription{"Text2", ResultField, termsOfUse, 240, 2640, 4935, 975, 1},
    ControlDescription{"Label14", Label, maker::phoneLine, 3000, 960, 1695, 255},
    ControlDescription{"Label15", Label, maker::faxLine, 3000, 1200, 1575, 255},
    ControlDescription{"Label16", Label, maker::emailLine, 3000, 1440, 1935, 255},
    ControlDescription{"Label17", Link, maker::webAddressLine, 3000, 1680, 2175, 255, 0, ControlStyle::MakerLink},
    ControlDescription{"Label22", Label, release::versionLine, 3000, 1920, 2055, 255},
};

// clang-format on

// Panels with contents, in the order their controls join the focus chain.
inline constexpr std::array panels{
    PanelDescription{"frm_Frischwasser", newWaterControls},
    PanelDescription{"frm_changewater", densityChangeControls},
    PanelDescription{"frm_magnesium", magnesiumControls},
    PanelDescription{"Frm_kalzium", calciumControls},
    PanelDescription{"frm_ueber", aboutControls},
};

// What a screen reader calls the controls that do not carry their own
// caption: each field is named by the label that captions it, and the calcium
// result, which has no heading, by a name of its own. A result label is named
// by the result it shows and labelled by its heading. Buttons, the check box
// and the links are named by their captions.
struct CaptionedControl {
    std::string_view control;
    std::string_view label;
};

struct NamedControl {
    std::string_view control;
    std::string_view name;
};

inline constexpr std::array captionedControls{
    CaptionedControl{"txt_Temperatur", "lbl_temperatur"},
    CaptionedControl{"txt_Liter", "lbl_Liter"},
    CaptionedControl{"txt_Dichte", "lbl_Dichte"},
    CaptionedControl{"lbl_ergebnis", "Label2"},

    CaptionedControl{"txt2_Liter", "Label5"},
    CaptionedControl{"txt_Dichtejetzt", "Label6"},
    CaptionedControl{"txt_Dichteneu", "Label7"},
    CaptionedControl{"lbl2_ergebnis", "Label9"},

    CaptionedControl{"magliter_becken", "Label4"},
    CaptionedControl{"magnesium_becken", "Label25"},
    CaptionedControl{"magnesium_ziel", "Label26"},
    CaptionedControl{"txt_magerg", "Label27"},

    CaptionedControl{"txt_magnesiumbecken", "Label29"},
    CaptionedControl{"txt_kalziumjetzt", "Label30"},
    CaptionedControl{"txt_plusistmagnesium", "lbl_plusistmagnesium"},
    CaptionedControl{"txt_pluskalzium", "Label31"},
    CaptionedControl{"txt_plusmagnesium", "lbl_plusmagnesium"},

    CaptionedControl{"Text2", "Label20"},
};

inline constexpr std::array namedControls{
    NamedControl{"ergebnis_kalzium", "Benötigte Mengen"},
};

static_assert(onPixelGrid(windowControls) && onPixelGrid(newWaterControls) &&
              onPixelGrid(densityChangeControls) && onPixelGrid(magnesiumControls) &&
              onPixelGrid(calciumControls) && onPixelGrid(aboutControls));
static_assert(clientWidth % twipsPerPixel == 0 && clientHeight % twipsPerPixel == 0);

}  // namespace formular::tables
