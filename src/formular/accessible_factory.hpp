#pragma once

namespace formular {

// Makes Qt describe the window, its panels, its text fields, its link labels
// and its announcer to assistive technology as they behave (see
// panel_accessible.hpp, field_accessible.hpp, link_accessible.hpp,
// announcer.hpp).
// Safe to call more than once; must run before their interfaces are first
// asked for.
void installAccessibleInterfaces();

}  // namespace formular
