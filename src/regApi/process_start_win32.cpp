#include "regApi/process_start.hpp"

#include <windows.h>

#include <vector>

#include "regApi/ansi_text.hpp"

namespace regApi {

bool startDetachedProcess(const std::string& commandLine) {
    const std::string ansi = ansiFromText(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(ansi.begin(), ansi.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace regApi
