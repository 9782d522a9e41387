#pragma once

#include <optional>

#include "regApi/browser_program.hpp"

namespace regApi {

// What opens web addresses on this desktop, when it has a default handler for
// http at all: xdg-open found in an absolute folder of PATH, which runs the
// user's chosen browser with that browser's own options, or else the default
// handler's desktop entry, started through GIO, when its program is found
// the same way.
std::optional<BrowserProgram> httpOpener();

}  // namespace regApi
