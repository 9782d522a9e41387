#include "regApi/web_address.hpp"

#include "regApi/ascii_case.hpp"

namespace regApi {

namespace {

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

}  // namespace

bool isWebAddress(std::string_view address) {
    return startsWith(address, "http://") || startsWith(address, "https://");
}

bool isCommandScript(std::string_view programPath) {
    return endsWith(programPath, ".cmd") || endsWith(programPath, ".bat");
}

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

}  // namespace regApi
