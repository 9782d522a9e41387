#include "regApi/program_file.hpp"

#include <filesystem>
#include <system_error>

namespace regApi {

bool isProgramFile(const std::string& path) {
    std::error_code ignored;
    return path.starts_with('/') && std::filesystem::is_regular_file(path, ignored);
}

}  // namespace regApi
