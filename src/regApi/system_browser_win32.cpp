#include "regApi/system_browser.hpp"

#include "regApi/registered_browser.hpp"
#include "regApi/system_registry.hpp"

namespace regApi {

std::optional<BrowserProgram> systemBrowser() {
    try {
        const auto registry = makeSystemRegistry();
        return registeredBrowser(*registry);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace regApi
