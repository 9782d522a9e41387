#pragma once

// The narrow door through which the browser launcher reaches a registry: the
// three calls it needs, with the Win32 arguments and result codes, so that the
// same reading code runs against Windows, the desktop's URL associations or an
// in-memory registry.

#include <cstdint>
#include <string>

namespace regApi {

// A registry key handle, wide enough for a Windows HKEY.
using KeyHandle = std::uintptr_t;

namespace detail {
// Win32 defines the predefined roots as 32-bit values sign-extended to
// pointer width.
constexpr KeyHandle predefinedRoot(std::uint32_t value) {
    return static_cast<KeyHandle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}
}  // namespace detail

inline constexpr KeyHandle classesRoot = detail::predefinedRoot(0x80000000U);
inline constexpr KeyHandle currentUser = detail::predefinedRoot(0x80000001U);
inline constexpr KeyHandle localMachine = detail::predefinedRoot(0x80000002U);

// Result codes of the Win32 registry calls.
using RegResult = std::int32_t;
inline constexpr RegResult resultSuccess = 0;
inline constexpr RegResult resultFileNotFound = 2;
inline constexpr RegResult resultInvalidHandle = 6;
inline constexpr RegResult resultMoreData = 234;
inline constexpr RegResult resultNoMoreItems = 259;

// Registry value types.
using RegType = std::uint32_t;
inline constexpr RegType typeNone = 0;
inline constexpr RegType typeString = 1;
inline constexpr RegType typeExpandString = 2;
inline constexpr RegType typeBinary = 3;
inline constexpr RegType typeDword = 4;
inline constexpr RegType typeMultiString = 7;
inline constexpr RegType typeQword = 11;

// KEY_READ.
inline constexpr std::uint32_t accessKeyRead = 0x20019;

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // RegOpenKeyExA: the subkey path is in the ANSI code page.
    virtual RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                              std::uint32_t access, KeyHandle& opened) = 0;

    // RegEnumValueA: nameLength comes in as the name buffer's size in
    // characters and goes out as the characters written without the
    // terminator; dataLength comes in as the data buffer's size in bytes and
    // goes out as the bytes written (or needed, with resultMoreData).
    virtual RegResult enumValue(KeyHandle key, std::uint32_t index, char* name,
                                std::uint32_t& nameLength, RegType& type, std::uint8_t* data,
                                std::uint32_t& dataLength) = 0;

    // RegCloseKey.
    virtual RegResult closeKey(KeyHandle key) = 0;
};

}  // namespace regApi
