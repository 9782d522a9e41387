#pragma once

#include <string>

namespace regApi {

// Whether the path is absolute and names an existing file, not a folder. A
// relative name is never taken, so nothing in the current folder can stand
// in for a registered program.
bool isProgramFile(const std::string& path);

}  // namespace regApi
