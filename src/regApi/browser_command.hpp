#pragma once

#include <string>
#include <string_view>

#include "regApi/registry_access.hpp"

namespace regApi {

// Stands for "no browser command registered"; compared exactly.
inline constexpr std::string_view invalidBrowserCommand = "Invalid";

// The key under the classes root whose first value is the command registered
// for web addresses.
inline constexpr std::string_view browserCommandKeyPath = R"(http\shell\open\command)";

// A registered command line cut just after the first double quote from its
// second character on: a quoted program path followed by options becomes the
// quoted path alone; without such a quote the result is empty.
std::string cutBrowserCommand(std::string_view registered);

// The cut command of the first value of the web-address key, or
// invalidBrowserCommand when there is none. Never throws.
std::string getBrowserCommand(RegistryAccess& registry);

// The same against the system's registry.
std::string getBrowserCommand();

}  // namespace regApi
