#include "regApi/browser_command.hpp"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "regApi/platform.hpp"

namespace regApi {

namespace {

// A registered command as text: a string as it stands, an expandable string
// (bytes with their terminator) with its environment variables expanded.
// Values of any other type are no command, even when they hold text.
std::string commandOf(const RegValue& value) {
    if (value.type == typeString) {
        if (const auto* text = std::get_if<std::string>(&value.data)) return *text;
    }
    if (value.type == typeExpandString) {
        if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value.data)) {
            const std::span<const char> chars(reinterpret_cast<const char*>(bytes->data()),
                                              bytes->size());
            std::string text = textFromAnsi(chars, chars.size());
            text.resize(std::min(text.find('\0'), text.size()));
            return expandEnvironment(text);
        }
    }
    return {};
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The path as it stands or with ".exe" appended, if that names an existing
// program file: a relative name would make Windows search the program's own
// folder and the current folder first.
std::optional<BrowserProgram> programFile(const std::string& path) {
    for (const std::string& name : {path, path + ".exe"}) {
        if (isProgramFile(name)) return BrowserProgram{name, BrowserProgram::Kind::file};
    }
    return std::nullopt;
}

std::optional<BrowserProgram> quotedProgram(std::string_view command) {
    const auto closingQuote = command.find('"', 1);
    if (closingQuote == std::string_view::npos) return std::nullopt;
    return programFile(std::string(command.substr(1, closingQuote - 1)));
}

std::optional<BrowserProgram> unquotedProgram(std::string_view command) {
    std::vector<std::size_t> wordEnds;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const bool wordEndsHere =
            !isBlank(command[i]) && (i + 1 == command.size() || isBlank(command[i + 1]));
        if (wordEndsHere) wordEnds.push_back(i + 1);
    }
    for (auto end = wordEnds.rbegin(); end != wordEnds.rend(); ++end) {
        if (auto program = programFile(std::string(command.substr(0, *end)))) return program;
    }
    return std::nullopt;
}

}  // namespace

std::optional<BrowserProgram> getBrowserCommand(RegistryAccess& registry) {
    try {
        const ValueTable values =
            enumRegValues(registry, classesRoot, std::string(browserCommandKeyPath));
        if (values.empty()) return std::nullopt;
        const std::string command = commandOf(values.front());
        const std::string_view trimmed = std::string_view(command).substr(
            std::min(command.find_first_not_of(" \t"), command.size()));
        if (trimmed.starts_with('"')) return quotedProgram(trimmed);
        return unquotedProgram(trimmed);
    } catch (...) {
        // The lookup is the one place that swallows failures: whatever goes
        // wrong, the user is told that no browser was found.
        return std::nullopt;
    }
}

}  // namespace regApi
