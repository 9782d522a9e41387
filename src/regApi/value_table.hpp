#pragma once

// The value table: one row per registry value, in the order the registry
// enumerates them.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "regApi/registry_access.hpp"

namespace regApi {

// Text for strings, a signed 32-bit integer for 32-bit values, the raw bytes
// for every other type.
using RegData = std::variant<std::string, std::int32_t, std::vector<std::uint8_t>>;

struct RegValue {
    std::string name;  // empty for the unnamed default value
    RegData data;
    // As the registry gave it: strings and expandable strings both carry
    // text, yet only they are commands, and only the latter is expanded.
    RegType type = typeNone;

    bool operator==(const RegValue&) const = default;
};

using ValueTable = std::vector<RegValue>;

}  // namespace regApi
