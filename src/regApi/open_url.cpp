#include "regApi/open_url.hpp"

#include "regApi/browser_command.hpp"
#include "regApi/system_registry.hpp"
#include "runtime/runtime_error.hpp"

namespace regApi {

namespace {

void openWithCommand(const std::string& command, const std::string& address, Desktop& desktop) {
    if (command == invalidBrowserCommand) {
        desktop.showMessage(std::string(noBrowserMessage));
        return;
    }
    if (!desktop.startProcess(command + ' ' + address)) {
        throw runtime::RuntimeError(runtime::FileNotFound);
    }
    desktop.processEvents();
    desktop.focusMainWindow();
}

}  // namespace

void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry) {
    openWithCommand(getBrowserCommand(registry), address, desktop);
}

void openUrl(const std::string& address, Desktop& desktop) {
    openWithCommand(getBrowserCommand(), address, desktop);
}

}  // namespace regApi
