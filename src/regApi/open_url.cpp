#include "regApi/open_url.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

#include "regApi/platform.hpp"
#include "runtime/runtime_error.hpp"

namespace regApi {

namespace {

// Folding ASCII letters is enough for schemes and file endings.
std::string foldAsciiCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return result;
}

constexpr std::string_view commandInterpreterCharacters = "&|<>^%";

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && foldAsciiCase(text.substr(0, prefix.size())) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           foldAsciiCase(text.substr(text.size() - suffix.size())) == suffix;
}

bool mustBeEncoded(unsigned char c, bool forCommandScript) {
    if (c <= ' ' || c == 0x7F || c == '"') return true;
    return forCommandScript &&
           commandInterpreterCharacters.find(static_cast<char>(c)) != std::string_view::npos;
}

// Whether the address is one a browser is started for: http or https, the
// scheme in any letter case.
bool isWebAddress(std::string_view address) {
    return startsWith(address, "http://") || startsWith(address, "https://");
}

// Whether a program is a batch file, which Windows runs through the command
// interpreter and its own reading of the arguments.
bool isCommandScript(std::string_view programPath) {
    return endsWith(programPath, ".cmd") || endsWith(programPath, ".bat");
}

// The address as one argument that nothing on its way can end or split.
std::string addressArgument(std::string_view address, bool forCommandScript) {
    constexpr std::string_view hexDigits = "0123456789ABCDEF";
    std::string argument;
    argument.reserve(address.size());
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (mustBeEncoded(byte, forCommandScript)) {
            argument += '%';
            argument += hexDigits[byte >> 4];
            argument += hexDigits[byte & 0xF];
        } else {
            argument += c;
        }
    }
    return argument;
}

void openWith(const std::optional<BrowserProgram>& browser, const std::string& address,
              Desktop& desktop) {
    if (!browser || !isWebAddress(address)) {
        desktop.showMessage(std::string(noBrowserMessage));
        return;
    }
    const std::string argument = addressArgument(address, isCommandScript(browser->path));
    if (!desktop.startBrowser(*browser, argument)) {
        throw runtime::RuntimeError(runtime::FileNotFound);
    }
    desktop.processEvents();
    desktop.focusMainWindow();
}

}  // namespace

bool Desktop::startBrowser(const BrowserProgram& program, const std::string& address) {
    return launchBrowser(program, address);
}

void openUrl(const std::string& address, Desktop& desktop) {
    openWith(getBrowserCommand(), address, desktop);
}

void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry) {
    openWith(getBrowserCommand(registry), address, desktop);
}

}  // namespace regApi
