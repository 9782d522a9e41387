#include "regApi/open_url.hpp"

#include <optional>

#include "regApi/browser_command.hpp"
#include "regApi/web_address.hpp"
#include "runtime/runtime_error.hpp"

namespace regApi {

namespace {

void openWith(const std::optional<BrowserProgram>& browser, const std::string& address,
              Desktop& desktop) {
    if (!browser || !isWebAddress(address)) {
        desktop.showMessage(std::string(noBrowserMessage));
        return;
    }
    const std::string argument = addressArgument(address, isCommandScript(browser->path));
    if (!desktop.startBrowser(*browser, argument)) {
        throw runtime::RuntimeError(runtime::FileNotFound);
    }
    desktop.processEvents();
    desktop.focusMainWindow();
}

}  // namespace

bool Desktop::startBrowser(const BrowserProgram& program, const std::string& address) {
    return launchBrowser(program, address);
}

void openUrl(const std::string& address, Desktop& desktop) {
    openWith(getBrowserCommand(), address, desktop);
}

void openUrl(const std::string& address, Desktop& desktop, RegistryAccess& registry) {
    openWith(getBrowserCommand(registry), address, desktop);
}

}  // namespace regApi
