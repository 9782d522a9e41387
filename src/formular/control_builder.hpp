#pragma once

// Turns control tables into child widgets.

#include "formular/control_spec.hpp"

#include <span>
#include <vector>

class QWidget;

namespace formular {

// Creates one child of parent per spec, in table order: its objectName is the
// spec's name and its geometry the spec's twips in pixels.
std::vector<QWidget*> buildControls(QWidget& parent, std::span<const ControlSpec> specs);

// Restacks siblings so that the first of them is drawn on top of the rest.
void stackTopFirst(std::span<QWidget* const> siblings);

// The widgets that Tab reaches, ordered by their spec's tab index.
std::vector<QWidget*> inTabOrder(std::span<const ControlSpec> specs,
                                 std::span<QWidget* const> widgets);

}  // namespace formular
