#include "regApi/browser_command.hpp"
#include "regApi/http_handler_lookup.hpp"

namespace regApi {

std::optional<BrowserProgram> getBrowserCommand() { return httpOpener(); }

}  // namespace regApi
