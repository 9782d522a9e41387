#include "regApi/split_command.hpp"

namespace regApi {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::vector<std::string> splitCommand(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    int quotesInRow = 0;
    bool quoted = false;
    for (const char c : commandLine) {
        if (c == '"') {
            if (++quotesInRow == 3) {
                quotesInRow = 0;
                current += c;
            }
            continue;
        }
        if (quotesInRow == 1) quoted = !quoted;
        quotesInRow = 0;
        if (!quoted && isBlank(c)) {
            if (!current.empty()) arguments.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) arguments.push_back(std::move(current));
    return arguments;
}

}  // namespace regApi
