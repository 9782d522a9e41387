#pragma once

#include <optional>

#include "regApi/browser_program.hpp"
#include "regApi/registry_access.hpp"

namespace regApi {

// The program registered for web addresses, from the first value of the
// web-address key read the way the Windows shell reads a command: a path in
// quotes as it stands; an unquoted command by the longest leading run of its
// words that names an existing program file, also with ".exe" appended, so
// "C:\Program Files\B\b.exe -url %1" is never taken for C:\Program; an
// expandable string with its environment variables expanded. Either way the
// path must be absolute and name an existing file, so nothing in the
// program's own or the current folder can stand in for it. Only a string or
// an expandable string is a command. None when the key is missing, the value
// names no program, or the reading fails.
std::optional<BrowserProgram> registeredBrowser(RegistryAccess& registry);

}  // namespace regApi
