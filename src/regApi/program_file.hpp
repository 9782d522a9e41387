#pragma once

#include <string>

namespace regApi {

// Whether the path is absolute and names an existing file, not a folder. A
// relative name is never taken, so nothing in the current folder can stand
// in for a registered program.
bool isProgramFile(const std::string& path);

// Freedesktop only: the program as PATH finds it, looked for only in the
// absolute entries of PATH. An empty or relative entry ("/usr/bin:",
// ".:/usr/bin") would stand for the current folder and is skipped; a name
// with a slash is taken only as an absolute path. Empty when none is found.
std::string programOnPath(const std::string& name);

// Freedesktop only: PATH with only its absolute entries, for what a started
// helper looks up in turn.
std::string absoluteSearchPath();

}  // namespace regApi
