#pragma once

#include <optional>

#include "regApi/browser_program.hpp"

namespace regApi {

// The program that opens web addresses on this system: on Windows the one
// registered in the registry, read as registeredBrowser reads it; on a
// freedesktop system the desktop's own opener (see httpOpener). None when
// there is none.
std::optional<BrowserProgram> systemBrowser();

}  // namespace regApi
