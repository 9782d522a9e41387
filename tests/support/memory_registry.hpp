#pragma once

// Registries held in memory for the tests, answering like the Win32 calls:
// names and data that do not fit the caller's buffers give resultMoreData,
// the end of the values resultNoMoreItems, a missing key resultFileNotFound.
// Key paths are compared without regard to ASCII case, as Windows does.

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "regApi/registry.hpp"

namespace testsupport {

using regApi::KeyHandle;
using regApi::RegResult;
using regApi::RegType;

class MemoryRegistry final : public regApi::RegistryAccess {
public:
    struct StoredValue {
        std::string name;  // ANSI
        RegType type;
        std::vector<std::uint8_t> data;
    };

    // Creates the key if needed and appends the value, or replaces the value
    // of the same name in place.
    void setValue(KeyHandle root, std::string_view path, StoredValue value);
    // A string value with its terminating zero, as Windows stores REG_SZ.
    void setString(KeyHandle root, std::string_view path, std::string name, std::string_view text);
    void createKey(KeyHandle root, std::string_view path);

    RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                      std::uint32_t access, KeyHandle& opened) override;
    RegResult enumValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override;
    RegResult closeKey(KeyHandle key) override;

private:
    using KeyId = std::pair<KeyHandle, std::string>;  // root and folded path

    static KeyId keyId(KeyHandle root, std::string_view path);
    [[nodiscard]] static bool isPredefinedRoot(KeyHandle key);
    const std::vector<StoredValue>* valuesOf(KeyHandle key, RegResult& failure) const;

    std::map<KeyId, std::vector<StoredValue>> keys_;
    std::map<KeyHandle, KeyId> openKeys_;
    KeyHandle nextHandle_ = 0x1000;
};

// An in-memory registry that also notes which keys are left open and how the
// latest key was opened, for tests of how a reader treats the registry.
class WatchedRegistry final : public regApi::RegistryAccess {
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
        if (result == regApi::resultSuccess) open_.insert(opened);
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

}  // namespace testsupport
