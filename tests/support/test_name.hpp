#pragma once

#include <cctype>
#include <string>

namespace testsupport {

// A table row's description as a GoogleTest parameter name.
inline std::string testName(const std::string& description) {
    std::string name;
    for (const char c : description) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

}  // namespace testsupport
