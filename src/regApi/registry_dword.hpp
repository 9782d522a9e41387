#pragma once

#include <cstdint>

namespace regApi {

// The signed 32-bit integer in the first four bytes of a value's data, which
// the registry stores little-endian.
std::int32_t int32FromRegistryData(const std::uint8_t* data);

}  // namespace regApi
