// The launcher on Windows: the registry, the ANSI code page, and starting the
// browser with CreateProcessA.

#include <windows.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "regApi/platform.hpp"
#include "regApi/registry.hpp"

namespace regApi {

namespace {

std::wstring wideFrom(UINT codePage, const char* bytes, std::size_t count) {
    const int byteCount = static_cast<int>(std::min<std::size_t>(count, INT_MAX));
    if (byteCount == 0) return {};
    const int wideCount = MultiByteToWideChar(codePage, 0, bytes, byteCount, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideCount), L'\0');
    MultiByteToWideChar(codePage, 0, bytes, byteCount, wide.data(), wideCount);
    return wide;
}

std::string bytesFrom(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int wideCount = static_cast<int>(wide.size());
    const int byteCount =
        WideCharToMultiByte(codePage, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(byteCount), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideCount, bytes.data(), byteCount, nullptr,
                        nullptr);
    return bytes;
}

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

// The file is named outright, so Windows neither searches for it nor tries
// the shorter runs of an unquoted path with blanks (C:\Program.exe).
bool createProcess(const std::string& file, const std::string& commandLine) {
    const std::string applicationName = ansiFromText(file);
    const std::string ansi = ansiFromText(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> line(ansi.begin(), ansi.end());
    line.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(applicationName.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

HKEY toHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

class Win32Registry final : public RegistryAccess {
public:
    RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                      std::uint32_t access, KeyHandle& opened) override {
        HKEY key = nullptr;
        const LONG result = RegOpenKeyExA(toHkey(root), subkeyAnsi.c_str(), options, access, &key);
        if (result == ERROR_SUCCESS) opened = reinterpret_cast<KeyHandle>(key);
        return result;
    }

    RegResult enumValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override {
        DWORD nameChars = nameLength;
        DWORD valueType = REG_NONE;
        DWORD dataBytes = dataLength;
        const LONG result = RegEnumValueA(toHkey(key), index, name, &nameChars, nullptr, &valueType,
                                          data, &dataBytes);
        nameLength = nameChars;
        type = valueType;
        dataLength = dataBytes;
        return result;
    }

    RegResult closeKey(KeyHandle key) override { return RegCloseKey(toHkey(key)); }
};

}  // namespace

std::string textFromAnsi(std::span<const char> buffer, std::size_t length) {
    if (length == 0) return {};
    std::wstring wide = wideFrom(CP_ACP, buffer.data(), buffer.size());
    if (length < wide.size()) wide.resize(length);
    return bytesFrom(CP_UTF8, wide);
}

std::string ansiFromText(const std::string& text) {
    return bytesFrom(CP_ACP, wideFrom(CP_UTF8, text.data(), text.size()));
}

std::string expandEnvironment(const std::string& text) {
    const std::string ansi = ansiFromText(text);
    const DWORD needed = ExpandEnvironmentStringsA(ansi.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::vector<char> expanded(needed);
    const DWORD written = ExpandEnvironmentStringsA(ansi.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    return textFromAnsi(expanded, written - 1);
}

bool isProgramFile(const std::string& path) {
    if (!isAbsolute(path)) return false;
    const DWORD attributes = GetFileAttributesA(ansiFromText(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool launchBrowser(const BrowserProgram& program, const std::string& argument) {
    if (program.kind == BrowserProgram::Kind::desktopEntry) return false;
    // For a path registered in quotes this is the very line it always got.
    std::string commandLine(1, '"');
    commandLine += program.path;
    commandLine += "\" ";
    commandLine += argument;
    return createProcess(program.path, commandLine);
}

std::unique_ptr<RegistryAccess> makeSystemRegistry() { return std::make_unique<Win32Registry>(); }

std::optional<BrowserProgram> getBrowserCommand() {
    try {
        const auto registry = makeSystemRegistry();
        return getBrowserCommand(*registry);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace regApi
