#include "regApi/http_handler_lookup.hpp"
#include "regApi/system_browser.hpp"

namespace regApi {

std::optional<BrowserProgram> systemBrowser() {
    if (const auto opener = httpOpener()) return opener->program;
    return std::nullopt;
}

}  // namespace regApi
