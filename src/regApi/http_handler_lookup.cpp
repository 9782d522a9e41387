#include "regApi/http_handler_lookup.hpp"

#include <gio/gio.h>

#include <memory>

namespace regApi {

namespace {

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GFreeRelease {
    void operator()(gchar* text) const { g_free(text); }
};
using FoundProgram = std::unique_ptr<gchar, GFreeRelease>;

std::string quotedCommand(const std::string& program) {
    return '"' + program + "\" \"%1\"";
}

}  // namespace

std::optional<std::string> httpOpenCommand() {
    const std::unique_ptr<GAppInfo, GObjectRelease> handler(
        g_app_info_get_default_for_uri_scheme("http"));
    if (!handler) return std::nullopt;

    if (const FoundProgram opener(g_find_program_in_path("xdg-open")); opener) {
        return quotedCommand(opener.get());
    }
    const char* executable = g_app_info_get_executable(handler.get());
    if (executable == nullptr || *executable == '\0') return std::nullopt;
    // A program that cannot be found is still registered: starting it fails
    // visibly rather than the link pretending there is no browser.
    const FoundProgram resolved(g_find_program_in_path(executable));
    return quotedCommand(resolved ? resolved.get() : executable);
}

}  // namespace regApi
