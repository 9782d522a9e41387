#include "regApi/ansi_text.hpp"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace regApi {

namespace {

std::wstring wideFrom(UINT codePage, const char* bytes, std::size_t count) {
    const int byteCount = static_cast<int>(std::min<std::size_t>(count, INT_MAX));
    if (byteCount == 0) return {};
    const int wideCount = MultiByteToWideChar(codePage, 0, bytes, byteCount, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideCount), L'\0');
    MultiByteToWideChar(codePage, 0, bytes, byteCount, wide.data(), wideCount);
    return wide;
}

std::string bytesFrom(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int wideCount = static_cast<int>(wide.size());
    const int byteCount =
        WideCharToMultiByte(codePage, 0, wide.data(), wideCount, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(byteCount), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideCount, bytes.data(), byteCount, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

std::string textFromAnsi(std::span<const char> buffer, std::size_t length) {
    if (length == 0) return {};
    std::wstring wide = wideFrom(CP_ACP, buffer.data(), buffer.size());
    if (length < wide.size()) wide.resize(length);
    return bytesFrom(CP_UTF8, wide);
}

std::string ansiFromText(const std::string& text) {
    return bytesFrom(CP_ACP, wideFrom(CP_UTF8, text.data(), text.size()));
}

}  // namespace regApi
