#include "regApi/http_handler_lookup.hpp"

#include <gio/gdesktopappinfo.h>
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

HttpOpener openerOf(const char* path, BrowserProgram::Kind kind, const std::string& program) {
    HttpOpener opener;
    opener.program.path = path;
    opener.program.kind = kind;
    opener.registeredCommand = '"' + program + R"(" "%1")";
    return opener;
}

}  // namespace

std::optional<HttpOpener> httpOpener() {
    const std::unique_ptr<GAppInfo, GObjectRelease> handler(
        g_app_info_get_default_for_uri_scheme("http"));
    if (!handler) return std::nullopt;

    if (const FoundProgram opener(g_find_program_in_path("xdg-open")); opener) {
        return openerOf(opener.get(), BrowserProgram::Kind::file, opener.get());
    }
    if (!G_IS_DESKTOP_APP_INFO(handler.get())) return std::nullopt;
    const char* entryFile = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(handler.get()));
    const char* executable = g_app_info_get_executable(handler.get());
    if (entryFile == nullptr || executable == nullptr || *executable == '\0') return std::nullopt;
    // A program that cannot be found is still registered: starting it fails
    // visibly rather than the link pretending there is no browser.
    const FoundProgram resolved(g_find_program_in_path(executable));
    return openerOf(entryFile, BrowserProgram::Kind::desktopEntry,
                    resolved ? resolved.get() : executable);
}

}  // namespace regApi
