#pragma once

// What the launcher's shared code needs from the platform, implemented once
// in windows.cpp and once in freedesktop.cpp. Not for use outside regApi.

#include <cstddef>
#include <span>
#include <string>

#include "regApi/browser_command.hpp"

namespace regApi {

// The whole buffer read as text of the code page, cut to its first `length`
// characters. Windows counts UTF-16 units after the conversion, as the
// registry's own string lengths do for single-byte code pages; a UTF-8 system
// counts bytes, which is how its lengths come back.
std::string textFromAnsi(std::span<const char> buffer, std::size_t length);

// Text in the code page the registry calls expect: the ANSI code page on
// Windows, UTF-8 elsewhere.
std::string ansiFromText(const std::string& text);

// An expandable registry string with its %NAME% references replaced as
// Windows replaces them; elsewhere, where nothing registers such strings,
// the text unchanged.
std::string expandEnvironment(const std::string& text);

// Whether the path is absolute and names an existing file, not a folder. A
// relative name is never taken, so nothing in the current folder can stand
// in for a registered program.
bool isProgramFile(const std::string& path);

// Starts the program with `argument` as its one argument, without a shell and
// without waiting for it; on Windows in a normal window that takes the focus.
// False when nothing was started.
bool launchBrowser(const BrowserProgram& program, const std::string& argument);

}  // namespace regApi
