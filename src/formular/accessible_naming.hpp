#pragma once

class QWidget;

namespace formular {

// Names the window's fields for screen readers after the labels that caption
// them (accessible_names.hpp); a missing control is a fault of the tables.
void nameControls(QWidget& window);

}  // namespace formular
