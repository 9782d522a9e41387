#pragma once

// An in-memory registry that also notes which keys are left open and how the
// latest key was opened, for tests of how a reader treats the registry.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "regApi/memory_registry.hpp"

namespace regApi::testing_support {

class WatchedRegistry final : public RegistryAccess {
public:
    struct OpenRequest {
        KeyHandle root = 0;
        std::string path;
        std::uint32_t options = 0;
        std::uint32_t access = 0;
    };

    MemoryRegistry keys;

    std::size_t openKeyCount() const { return open_.size(); }
    const OpenRequest& lastOpenRequest() const { return lastOpen_; }

    RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                      std::uint32_t access, KeyHandle& opened) override {
        lastOpen_ = {root, subkeyAnsi, options, access};
        const RegResult result = keys.openKey(root, subkeyAnsi, options, access, opened);
        if (result == resultSuccess) open_.insert(opened);
        return result;
    }
    RegResult enumValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override {
        return keys.enumValue(key, index, name, nameLength, type, data, dataLength);
    }
    RegResult closeKey(KeyHandle key) override {
        open_.erase(key);
        return keys.closeKey(key);
    }

private:
    std::set<KeyHandle> open_;
    OpenRequest lastOpen_;
};

}  // namespace regApi::testing_support
