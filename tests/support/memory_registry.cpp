#include "memory_registry.hpp"

#include <algorithm>
#include <cstring>

namespace testsupport {

using regApi::classesRoot;
using regApi::currentUser;
using regApi::localMachine;
using regApi::resultFileNotFound;
using regApi::resultInvalidHandle;
using regApi::resultMoreData;
using regApi::resultNoMoreItems;
using regApi::resultSuccess;
using regApi::typeString;

namespace {

constexpr RegResult resultKeyDeleted = 1018;

std::string foldAsciiCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return result;
}

std::string joined(const std::string& base, std::string_view path) {
    if (base.empty()) return std::string(path);
    if (path.empty()) return base;
    return base + '\\' + std::string(path);
}

}  // namespace

MemoryRegistry::KeyId MemoryRegistry::keyId(KeyHandle root, std::string_view path) {
    return {root, foldAsciiCase(path)};
}

bool MemoryRegistry::isPredefinedRoot(KeyHandle key) {
    return key == classesRoot || key == currentUser || key == localMachine;
}

void MemoryRegistry::setValue(KeyHandle root, std::string_view path, StoredValue value) {
    createKey(root, path);
    auto& values = keys_[keyId(root, path)];
    const auto sameName = [&](const StoredValue& stored) {
        return foldAsciiCase(stored.name) == foldAsciiCase(value.name);
    };
    if (auto found = std::find_if(values.begin(), values.end(), sameName); found != values.end()) {
        *found = std::move(value);
    } else {
        values.push_back(std::move(value));
    }
}

void MemoryRegistry::setString(KeyHandle root, std::string_view path, std::string name,
                               std::string_view text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    setValue(root, path, {std::move(name), typeString, std::move(data)});
}

void MemoryRegistry::createKey(KeyHandle root, std::string_view path) {
    // Like the registry, a key brings its parent keys into being.
    for (auto separator = path.find('\\'); separator != std::string_view::npos;
         separator = path.find('\\', separator + 1)) {
        keys_[keyId(root, path.substr(0, separator))];
    }
    keys_[keyId(root, path)];
}

RegResult MemoryRegistry::openKey(KeyHandle root, const std::string& subkeyAnsi,
                                  std::uint32_t /*options*/, std::uint32_t /*access*/,
                                  KeyHandle& opened) {
    KeyId id;
    if (isPredefinedRoot(root)) {
        id = keyId(root, subkeyAnsi);
    } else if (auto parent = openKeys_.find(root); parent != openKeys_.end()) {
        id = {parent->second.first, joined(parent->second.second, foldAsciiCase(subkeyAnsi))};
    } else {
        return resultInvalidHandle;
    }
    if (!keys_.contains(id)) return resultFileNotFound;
    opened = nextHandle_++;
    openKeys_.emplace(opened, std::move(id));
    return resultSuccess;
}

const std::vector<MemoryRegistry::StoredValue>* MemoryRegistry::valuesOf(KeyHandle key,
                                                                         RegResult& failure) const {
    static const std::vector<StoredValue> noValues;
    if (isPredefinedRoot(key)) {
        const auto found = keys_.find(keyId(key, ""));
        return found == keys_.end() ? &noValues : &found->second;
    }
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end()) {
        failure = resultInvalidHandle;
        return nullptr;
    }
    const auto found = keys_.find(open->second);
    if (found == keys_.end()) {
        failure = resultKeyDeleted;
        return nullptr;
    }
    return &found->second;
}

RegResult MemoryRegistry::enumValue(KeyHandle key, std::uint32_t index, char* name,
                                    std::uint32_t& nameLength, RegType& type, std::uint8_t* data,
                                    std::uint32_t& dataLength) {
    RegResult failure = resultSuccess;
    const auto* values = valuesOf(key, failure);
    if (values == nullptr) return failure;
    if (index >= values->size()) return resultNoMoreItems;

    const StoredValue& value = (*values)[index];
    if (value.name.size() + 1 > nameLength) return resultMoreData;
    if (value.data.size() > dataLength) {
        dataLength = static_cast<std::uint32_t>(value.data.size());
        return resultMoreData;
    }
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    nameLength = static_cast<std::uint32_t>(value.name.size());
    type = value.type;
    std::copy(value.data.begin(), value.data.end(), data);
    dataLength = static_cast<std::uint32_t>(value.data.size());
    return resultSuccess;
}

RegResult MemoryRegistry::closeKey(KeyHandle key) {
    return openKeys_.erase(key) == 1 ? resultSuccess : resultInvalidHandle;
}

}  // namespace testsupport
