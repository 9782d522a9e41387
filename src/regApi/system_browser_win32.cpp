#include "regApi/browser_command.hpp"
#include "regApi/system_registry.hpp"

namespace regApi {

std::optional<BrowserProgram> getBrowserCommand() {
    try {
        const auto registry = makeSystemRegistry();
        return getBrowserCommand(*registry);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace regApi
