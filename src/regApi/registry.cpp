#include "regApi/registry.hpp"

#include <algorithm>
#include <span>
#include <vector>

#include "regApi/platform.hpp"

namespace regApi {

namespace {

// Closes the key opened for the reading on every way out, exceptions included.
class OpenedKey {
public:
    OpenedKey(RegistryAccess& registry, KeyHandle key) : registry_(registry), key_(key) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() { registry_.closeKey(key_); }

private:
    RegistryAccess& registry_;
    KeyHandle key_;
};

// The signed 32-bit integer in the first four bytes, which the registry
// stores little-endian.
std::int32_t int32FromRegistryData(const std::uint8_t* data) {
    const std::uint32_t bits = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                               std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
    return static_cast<std::int32_t>(bits);
}

RegData dataFromBuffer(RegType type, const std::vector<std::uint8_t>& buffer,
                       std::uint32_t dataLength) {
    const std::size_t length = std::min<std::size_t>(dataLength, buffer.size());
    switch (type) {
        case typeString: {
            // The registry's length counts the terminator, so one character is
            // always cut, even from a string stored without one.
            const std::span<const char> text(reinterpret_cast<const char*>(buffer.data()),
                                             buffer.size());
            return textFromAnsi(text, length == 0 ? 0 : length - 1);
        }
        case typeDword:
            return int32FromRegistryData(buffer.data());
        default:
            return std::vector<std::uint8_t>(buffer.begin(),
                                             buffer.begin() + static_cast<std::ptrdiff_t>(length));
    }
}

ValueTable readValues(RegistryAccess& registry, KeyHandle key) {
    ValueTable table;
    // Allocated once and refilled for every value, so that each call finds
    // them as fresh ones would be, without a million allocations for a key
    // at the index limit.
    std::string name;
    std::vector<std::uint8_t> data;
    for (std::uint32_t index = 0; index <= lastValueIndex; ++index) {
        name.assign(nameBufferSize, ' ');
        std::uint32_t nameLength = nameBufferSize;
        data.assign(dataBufferSize, 0);
        std::uint32_t dataLength = dataBufferSize;
        RegType type = typeNone;
        if (registry.enumValue(key, index, name.data(), nameLength, type, data.data(),
                               dataLength) != resultSuccess) {
            break;
        }
        table.push_back(RegValue{textFromAnsi(name, std::min(nameLength, nameBufferSize)),
                                 dataFromBuffer(type, data, dataLength), type});
    }
    return table;
}

}  // namespace

ValueTable enumRegValues(RegistryAccess& registry, KeyHandle root, const std::string& subkeyPath) {
    if (subkeyPath.empty()) return readValues(registry, root);

    KeyHandle key = 0;
    if (registry.openKey(root, ansiFromText(subkeyPath), 0, accessKeyRead, key) != resultSuccess) {
        return {};
    }
    const OpenedKey closer(registry, key);
    return readValues(registry, key);
}

}  // namespace regApi
