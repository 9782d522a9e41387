#include "regApi/environment_expansion.hpp"

#include <windows.h>

#include <vector>

#include "regApi/ansi_text.hpp"

namespace regApi {

std::string expandEnvironment(const std::string& text) {
    const std::string ansi = ansiFromText(text);
    const DWORD needed = ExpandEnvironmentStringsA(ansi.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::vector<char> expanded(needed);
    const DWORD written = ExpandEnvironmentStringsA(ansi.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    return textFromAnsi(expanded, written - 1);
}

}  // namespace regApi
