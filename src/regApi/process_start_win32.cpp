#include <windows.h>

#include <vector>

#include "regApi/ansi_text.hpp"
#include "regApi/browser_program.hpp"

namespace regApi {

namespace {

bool createProcess(const char* applicationName, const std::string& commandLine) {
    const std::string ansi = ansiFromText(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(ansi.begin(), ansi.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(applicationName, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

bool launchBrowser(const BrowserProgram& program, const std::string& argument) {
    if (program.kind == BrowserProgram::Kind::desktopEntry) return false;
    // For a path registered in quotes this is the very line it always got.
    std::string commandLine(1, '"');
    commandLine += program.path;
    commandLine += "\" ";
    commandLine += argument;
    // The file is named outright, so Windows neither searches for it nor
    // tries the shorter runs of an unquoted path with blanks (C:\Program.exe).
    const std::string file = ansiFromText(program.path);
    return createProcess(file.c_str(), commandLine);
}

}  // namespace regApi
