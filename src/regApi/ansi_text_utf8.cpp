#include "regApi/ansi_text.hpp"

#include <algorithm>

namespace regApi {

std::string textFromAnsi(std::span<const char> buffer, std::size_t length) {
    return {buffer.data(), std::min(length, buffer.size())};
}

std::string ansiFromText(const std::string& text) { return text; }

}  // namespace regApi
