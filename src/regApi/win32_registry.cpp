#include <windows.h>

#include "regApi/system_registry.hpp"

namespace regApi {

namespace {

HKEY toHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

class Win32Registry final : public RegistryAccess {
public:
    RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                      std::uint32_t access, KeyHandle& opened) override {
        HKEY key = nullptr;
        const LONG result = RegOpenKeyExA(toHkey(root), subkeyAnsi.c_str(), options, access, &key);
        if (result == ERROR_SUCCESS) opened = reinterpret_cast<KeyHandle>(key);
        return result;
    }

    RegResult enumValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override {
        DWORD nameChars = nameLength;
        DWORD valueType = REG_NONE;
        DWORD dataBytes = dataLength;
        const LONG result = RegEnumValueA(toHkey(key), index, name, &nameChars, nullptr, &valueType,
                                          data, &dataBytes);
        nameLength = nameChars;
        type = valueType;
        dataLength = dataBytes;
        return result;
    }

    RegResult closeKey(KeyHandle key) override { return RegCloseKey(toHkey(key)); }
};

}  // namespace

std::unique_ptr<RegistryAccess> makeSystemRegistry() { return std::make_unique<Win32Registry>(); }

}  // namespace regApi
