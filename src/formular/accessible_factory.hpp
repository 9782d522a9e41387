#pragma once

namespace formular {

// Makes Qt describe the window, its panels and its link labels to assistive
// technology as they behave (see panel_accessible.hpp, link_accessible.hpp).
// Safe to call more than once; must run before their interfaces are first
// asked for.
void installAccessibleInterfaces();

}  // namespace formular
