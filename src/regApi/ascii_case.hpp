#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace regApi {

// Registry key names compare without regard to case; folding ASCII letters is
// enough for the key names this program uses.
inline std::string foldAsciiCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return result;
}

}  // namespace regApi
