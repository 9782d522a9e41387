#include "regApi/registry_dword.hpp"

namespace regApi {

std::int32_t int32FromRegistryData(const std::uint8_t* data) {
    const std::uint32_t bits = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                               std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
    return static_cast<std::int32_t>(bits);
}

}  // namespace regApi
