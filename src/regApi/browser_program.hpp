#pragma once

#include <string>

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

// Starts the program with `argument` as its one argument, without a shell and
// without waiting for it; on Windows in a normal window that takes the focus.
// False when nothing was started.
bool launchBrowser(const BrowserProgram& program, const std::string& argument);

}  // namespace regApi
