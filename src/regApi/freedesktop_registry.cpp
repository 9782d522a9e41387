#include "regApi/ascii_case.hpp"
#include "regApi/browser_command.hpp"
#include "regApi/http_handler_lookup.hpp"
#include "regApi/memory_registry.hpp"
#include "regApi/system_registry.hpp"

namespace regApi {

namespace {

// The only key a freedesktop system has is the web-address command, filled
// from the desktop's URL associations each time it is opened.
class FreedesktopRegistry final : public RegistryAccess {
public:
    RegResult openKey(KeyHandle root, const std::string& subkeyAnsi, std::uint32_t options,
                      std::uint32_t access, KeyHandle& opened) override {
        const bool commandKey = root == classesRoot &&
                                foldAsciiCase(subkeyAnsi) == foldAsciiCase(browserCommandKeyPath);
        if (commandKey) refreshCommandKey();
        return keys_.openKey(root, subkeyAnsi, options, access, opened);
    }

    RegResult enumValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override {
        return keys_.enumValue(key, index, name, nameLength, type, data, dataLength);
    }

    RegResult closeKey(KeyHandle key) override { return keys_.closeKey(key); }

private:
    void refreshCommandKey() {
        keys_.removeKey(classesRoot, browserCommandKeyPath);
        if (const auto opener = httpOpener()) {
            keys_.setString(classesRoot, browserCommandKeyPath, "", opener->registeredCommand);
        }
    }

    MemoryRegistry keys_;
};

}  // namespace

std::unique_ptr<RegistryAccess> makeSystemRegistry() {
    return std::make_unique<FreedesktopRegistry>();
}

}  // namespace regApi
