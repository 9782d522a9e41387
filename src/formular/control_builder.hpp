#pragma once

// Turns control tables into child widgets.

#include "formular/control_description.hpp"

#include <span>
#include <vector>

class QWidget;

namespace formular {

// Creates one child of parent per description, in table order: its objectName is the
// description's name and its geometry the description's twips in pixels.
std::vector<QWidget*> buildControls(QWidget& parent,
                                    std::span<const ControlDescription> descriptions);

// Restacks siblings so that the first of them is drawn on top of the rest.
void stackTopFirst(std::span<QWidget* const> siblings);

// The widgets that Tab reaches, ordered by their description's tab index.
std::vector<QWidget*> inTabOrder(std::span<const ControlDescription> descriptions,
                                 std::span<QWidget* const> widgets);

}  // namespace formular
