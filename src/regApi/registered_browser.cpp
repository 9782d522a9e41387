#include "regApi/registered_browser.hpp"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "regApi/ansi_text.hpp"
#include "regApi/browser_command.hpp"
#include "regApi/enum_reg_values.hpp"
#include "regApi/environment_expansion.hpp"
#include "regApi/program_file.hpp"

namespace regApi {

namespace {

// A registered command as text. An expandable string comes as bytes with its
// terminator; a number names no program.
std::string commandOf(const RegData& data) {
    if (const auto* text = std::get_if<std::string>(&data)) return *text;
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&data)) {
        const std::span<const char> chars(reinterpret_cast<const char*>(bytes->data()),
                                          bytes->size());
        std::string text = textFromAnsi(chars, chars.size());
        text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
        return expandEnvironment(text);
    }
    return {};
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<BrowserProgram> quotedProgram(std::string_view command) {
    const auto closingQuote = command.find('"', 1);
    if (closingQuote == std::string_view::npos || closingQuote == 1) return std::nullopt;
    return BrowserProgram{std::string(command.substr(1, closingQuote - 1)),
                          BrowserProgram::Kind::registeredPath};
}

std::optional<BrowserProgram> unquotedProgram(std::string_view command) {
    std::vector<std::size_t> wordEnds;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const bool wordEndsHere =
            !isBlank(command[i]) && (i + 1 == command.size() || isBlank(command[i + 1]));
        if (wordEndsHere) wordEnds.push_back(i + 1);
    }
    for (auto end = wordEnds.rbegin(); end != wordEnds.rend(); ++end) {
        const std::string candidate(command.substr(0, *end));
        for (const std::string& name : {candidate, candidate + ".exe"}) {
            if (isProgramFile(name)) return BrowserProgram{name, BrowserProgram::Kind::file};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<BrowserProgram> registeredBrowser(RegistryAccess& registry) {
    try {
        const ValueTable values =
            enumRegValues(registry, classesRoot, std::string(browserCommandKeyPath));
        if (values.empty()) return std::nullopt;
        const std::string command = commandOf(values.front().data);
        const std::string_view trimmed = std::string_view(command).substr(
            std::min(command.find_first_not_of(" \t"), command.size()));
        if (trimmed.starts_with('"')) return quotedProgram(trimmed);
        return unquotedProgram(trimmed);
    } catch (...) {
        // Like the command lookup: whatever goes wrong, no browser is found.
        return std::nullopt;
    }
}

}  // namespace regApi
