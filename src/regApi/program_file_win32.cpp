#include "regApi/program_file.hpp"

#include <windows.h>

#include "regApi/ansi_text.hpp"

namespace regApi {

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A drive letter with its root ("C:\") or a network share ("\\server\...").
bool isAbsolute(const std::string& path) {
    const bool driveLetter =
        !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    const bool driveRoot =
        driveLetter && path.size() >= 3 && path[1] == ':' && isSeparator(path[2]);
    const bool share = path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
    return driveRoot || share;
}

}  // namespace

bool isProgramFile(const std::string& path) {
    if (!isAbsolute(path)) return false;
    const DWORD attributes = GetFileAttributesA(ansiFromText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace regApi
