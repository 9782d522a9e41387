#pragma once

#include <string>
#include <string_view>

#include "regApi/desktop.hpp"
#include "regApi/registry_access.hpp"

namespace regApi {

inline constexpr std::string_view noBrowserMessage = "Unable to open URL. Install browser first!";

// Starts the registered browser with the address as its one argument (see
// addressArgument), lets waiting events run and focuses the main window.
// Shows noBrowserMessage and starts nothing when no browser is registered,
// the registration names no program, or the address is not http(s). A start
// that fails throws runtime::RuntimeError 53.
void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry);

// The same with the system's browser (systemBrowser).
void openUrl(const std::string& address, Desktop& desktop);

}  // namespace regApi
