#pragma once

// Conversions between this program's UTF-8 text and the text the registry
// calls exchange: the ANSI code page on Windows, UTF-8 elsewhere.

#include <cstddef>
#include <span>
#include <string>

namespace regApi {

// The whole buffer read as text of the code page, cut to its first `length`
// characters. Windows counts UTF-16 units after the conversion, as the
// registry's own string lengths do for single-byte code pages; a UTF-8 system
// counts bytes, which is how its lengths come back.
std::string textFromAnsi(std::span<const char> buffer, std::size_t length);

// Text in the code page the registry calls expect.
std::string ansiFromText(const std::string& text);

}  // namespace regApi
