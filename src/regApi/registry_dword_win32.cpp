#include "regApi/registry_dword.hpp"

#include <windows.h>

namespace regApi {

std::int32_t int32FromRegistryData(const std::uint8_t* data) {
    std::int32_t value = 0;
    RtlMoveMemory(&value, data, sizeof value);
    return value;
}

}  // namespace regApi
