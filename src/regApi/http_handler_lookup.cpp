#include "regApi/http_handler_lookup.hpp"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

#include "regApi/program_file.hpp"

namespace regApi {

namespace {

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};
HttpOpener openerOf(const std::string& path, BrowserProgram::Kind kind,
                    const std::string& program) {
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

    if (const std::string opener = programOnPath("xdg-open"); !opener.empty()) {
        return openerOf(opener, BrowserProgram::Kind::file, opener);
    }
    if (!G_IS_DESKTOP_APP_INFO(handler.get())) return std::nullopt;
    const char* entryFile = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(handler.get()));
    const char* executable = g_app_info_get_executable(handler.get());
    if (entryFile == nullptr || executable == nullptr || *executable == '\0') return std::nullopt;
    // GIO also takes a program from an empty or relative PATH entry, that is
    // from the current folder; such a handler is no browser here.
    const std::string resolved = programOnPath(executable);
    if (resolved.empty()) return std::nullopt;
    return openerOf(entryFile, BrowserProgram::Kind::desktopEntry, resolved);
}

}  // namespace regApi
