#pragma once

// Reading registry values. The browser launcher reaches a registry through a
// narrow door, the three calls it needs with the Win32 arguments and result
// codes, so that the same reading runs against Windows and against the
// in-memory registries of the tests.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

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

#ifdef _WIN32
// The Windows registry itself, made afresh for each reading, so that a
// browser registered while the program runs is found.
std::unique_ptr<RegistryAccess> makeSystemRegistry();
#endif

// Text for strings, a signed 32-bit integer for 32-bit values, the raw bytes
// for every other type.
using RegData = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>>;

// One row of the value table.
struct RegValue {
    std::string name;  // empty for the unnamed default value
    RegData data;
    // As the registry gave it: strings and expandable strings both carry
    // text, yet only they are commands, and only the latter is expanded.
    RegType type = typeNone;

    bool operator==(const RegValue&) const = default;
};

// One row per registry value, in the order the registry enumerates them.
using ValueTable = std::vector<RegValue>;

inline constexpr std::uint32_t nameBufferSize = 260;   // characters, terminator included
inline constexpr std::uint32_t dataBufferSize = 4096;  // bytes
inline constexpr std::uint32_t lastValueIndex = 999999;

// Every value of the key `subkeyPath` under `root`, read in enumeration order.
// An empty path reads `root` itself and leaves it open; a key opened here is
// closed before returning. Never fails: a key that cannot be opened gives the
// empty table, and the first value that cannot be read (too long a name, more
// data than the buffer holds, any registry error) ends the reading.
ValueTable enumRegValues(RegistryAccess& registry, KeyHandle root, const std::string& subkeyPath);

}  // namespace regApi
