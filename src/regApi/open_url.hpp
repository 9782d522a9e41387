#pragma once

#include <string>
#include <string_view>

#include "regApi/desktop.hpp"
#include "regApi/registry_access.hpp"

namespace regApi {

inline constexpr std::string_view noBrowserMessage = "Unable to open URL. Install browser first!";

// Starts the registered browser command with the address appended after one
// blank, lets waiting events run and focuses the main window; without a
// registered command shows noBrowserMessage and starts nothing. A start that
// fails throws runtime::RuntimeError 53.
void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry);

// The same against the system's registry.
void openUrl(const std::string& address, Desktop& desktop);

}  // namespace regApi
