#pragma once

#include <cstdint>
#include <string>

#include "regApi/registry_access.hpp"
#include "regApi/value_table.hpp"

namespace regApi {

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
