#pragma once

// Fonts and text colours of the window's controls.

#include "formular/control_description.hpp"

#include <QFont>

class QWidget;

namespace formular {

// "MS Sans Serif" 8.25 pt, falling back on look-alikes where it is missing.
QFont defaultFont();

// Gives a control the font and text colour of its style; plain controls keep
// the window's default font.
void applyStyle(QWidget& control, ControlStyle style);

}  // namespace formular
