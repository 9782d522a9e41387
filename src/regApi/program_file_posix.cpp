#include "regApi/program_file.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace regApi {

namespace {

bool isExecutableFile(const std::string& path) {
    return isProgramFile(path) && access(path.c_str(), X_OK) == 0;
}

// What glibc's confstr(_CS_PATH) gives, written out: confstr into a buffer
// of run-time size escapes the fortified C library.
constexpr const char* defaultSearchPath = "/bin:/usr/bin";

// PATH, or the system's default search path when it is not set.
std::string searchPath() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : defaultSearchPath;
}

}  // namespace

bool isProgramFile(const std::string& path) {
    std::error_code ignored;
    return path.starts_with('/') && std::filesystem::is_regular_file(path, ignored);
}

std::string absoluteSearchPath() {
    const std::string path = searchPath();
    std::string absolute;
    std::string_view entries = path;
    for (;;) {
        const auto colon = entries.find(':');
        const std::string_view entry = entries.substr(0, colon);
        if (entry.starts_with('/')) {
            if (!absolute.empty()) absolute += ':';
            absolute += entry;
        }
        if (colon == std::string_view::npos) return absolute;
        entries.remove_prefix(colon + 1);
    }
}

std::string programOnPath(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return isExecutableFile(name) ? name : std::string();
    const std::string path = absoluteSearchPath();
    std::string_view entries = path;
    while (!entries.empty()) {
        const auto colon = entries.find(':');
        std::string candidate(entries.substr(0, colon));
        candidate += '/';
        candidate += name;
        if (isExecutableFile(candidate)) return candidate;
        entries.remove_prefix(colon == std::string_view::npos ? entries.size() : colon + 1);
    }
    return {};
}

}  // namespace regApi
