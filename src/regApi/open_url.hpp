#pragma once

// What a click on a link does.

#include <string>
#include <string_view>

#include "regApi/desktop.hpp"
#include "regApi/registry.hpp"

namespace regApi {

inline constexpr std::string_view noBrowserMessage = "Unable to open URL. Install browser first!";

// Starts the browser getBrowserCommand names with the address as its one
// argument, lets waiting events run and focuses the main window. The address
// is passed so that nothing on its way can end or split it: quotes, blanks
// and control characters percent-encoded, and for a command script (.cmd,
// .bat) also the interpreter's & | < > ^ %. Shows noBrowserMessage and starts
// nothing when no browser is registered, the registration names no program,
// or the address is not http(s) in any letter case. A start that fails throws
// runtime::RuntimeError 53.
void openUrl(const std::string& address, Desktop& desktop);

// The same with the browser registered in `registry`.
void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry);

}  // namespace regApi
