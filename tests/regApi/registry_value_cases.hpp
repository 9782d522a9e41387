#pragma once

// The values a key can hold and the table enumRegValues must make of them,
// shared by the in-memory registry tests and the Windows registry tests so
// both registries face the same edge cases.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "memory_registry.hpp"
#include "regApi/registry.hpp"

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;
using StoredValue = MemoryRegistry::StoredValue;

Bytes bytesOf(std::string_view text);
StoredValue dword(std::string name, std::uint32_t value);
// "v007": zero-padded, so alphabetical order is numeric order.
std::string numbered(const char* prefix, std::size_t number);

struct ValueCase {
    const char* what;
    // In alphabetical order of name, which is the order Wine enumerates in.
    std::vector<StoredValue> stored;
    regApi::ValueTable expected;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const ValueCase& row, std::ostream* out) { *out << row.what; }
};

const std::vector<ValueCase>& registryValueCases();

}  // namespace testsupport
