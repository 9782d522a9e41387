#pragma once

// What a screen reader calls the controls that do not carry their own
// caption: each field is named by the label that captions it, and the calcium
// result, which has no heading, by a name of its own. A result label is named
// by the result it shows and labelled by its heading. Buttons, the check box
// and the links are named by their captions.

#include <array>
#include <string_view>

namespace formular::tables {

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

}  // namespace formular::tables
