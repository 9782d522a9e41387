#pragma once

#include <optional>
#include <string>

namespace regApi {

// The command line that opens web addresses on this desktop, shaped like a
// Windows registration: the quoted path of xdg-open (found on PATH), or of
// the default http handler's own program where xdg-open is missing, then
// ` "%1"`. xdg-open comes first because it runs the user's chosen browser
// with that browser's own options, which a bare program path would lose.
// Empty when the desktop has no default handler for http.
std::optional<std::string> httpOpenCommand();

}  // namespace regApi
