#pragma once

// Naming the program registered for web addresses.

#include <optional>
#include <string>
#include <string_view>

#include "regApi/registry.hpp"

namespace regApi {

// The program that opens web addresses, as found on this system.
struct BrowserProgram {
    enum class Kind {
        // An existing file named by its absolute path, started by exactly
        // this name.
        file,
        // A freedesktop desktop entry, started the way the desktop starts it.
        desktopEntry,
    };

    std::string path;
    Kind kind = Kind::file;

    bool operator==(const BrowserProgram&) const = default;
};

// The key under the classes root whose first value is the command registered
// for web addresses.
inline constexpr std::string_view browserCommandKeyPath = R"(http\shell\open\command)";

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
std::optional<BrowserProgram> getBrowserCommand(RegistryAccess& registry);

// The same for this system: on Windows from its registry; on a freedesktop
// system from GIO's default handler for http, which is xdg-open found in an
// absolute folder of PATH (it runs the user's chosen browser with that
// browser's own options), or else the handler's desktop entry when its
// program is found the same way. Looked up afresh on every call, so a browser
// registered while the program runs is found.
std::optional<BrowserProgram> getBrowserCommand();

}  // namespace regApi
