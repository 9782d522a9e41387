#include "regApi/browser_command.hpp"

#include <span>
#include <type_traits>
#include <variant>

#include "regApi/ansi_text.hpp"
#include "regApi/enum_reg_values.hpp"
#include "regApi/system_registry.hpp"

namespace regApi {

namespace {

// A value of any type read as the text of a command: strings as they are,
// integers as their decimal digits, bytes as text of the registry's code page.
std::string commandText(const RegData& data) {
    return std::visit(
        [](const auto& value) -> std::string {
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                return value;
            } else if constexpr (std::is_same_v<Value, std::int32_t>) {
                return std::to_string(value);
            } else {
                const std::span<const char> bytes(reinterpret_cast<const char*>(value.data()),
                                                  value.size());
                return textFromAnsi(bytes, value.size());
            }
        },
        data);
}

}  // namespace

std::string cutBrowserCommand(std::string_view registered) {
    if (registered.size() < 2) return {};
    const auto quote = registered.find('"', 1);
    if (quote == std::string_view::npos) return {};
    return std::string(registered.substr(0, quote + 1));
}

std::string getBrowserCommand(RegistryAccess& registry) {
    try {
        const ValueTable values =
            enumRegValues(registry, classesRoot, std::string(browserCommandKeyPath));
        if (values.empty()) return std::string(invalidBrowserCommand);
        return cutBrowserCommand(commandText(values.front().data));
    } catch (...) {
        // The lookup is the one place that swallows failures: whatever goes
        // wrong, the user is told that no browser was found.
        return std::string(invalidBrowserCommand);
    }
}

std::string getBrowserCommand() {
    try {
        const auto registry = makeSystemRegistry();
        return getBrowserCommand(*registry);
    } catch (...) {
        return std::string(invalidBrowserCommand);
    }
}

}  // namespace regApi
