#include "regApi/http_handler_lookup.hpp"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>
#include <string>
#include <utility>

#include "regApi/program_file.hpp"

namespace regApi {

namespace {

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};

}  // namespace

std::optional<BrowserProgram> httpOpener() {
    const std::unique_ptr<GAppInfo, GObjectRelease> handler(
        g_app_info_get_default_for_uri_scheme("http"));
    if (!handler) return std::nullopt;

    if (std::string opener = programOnPath("xdg-open"); !opener.empty()) {
        return BrowserProgram{std::move(opener), BrowserProgram::Kind::file};
    }
    if (!G_IS_DESKTOP_APP_INFO(handler.get())) return std::nullopt;
    const char* entryFile = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(handler.get()));
    const char* executable = g_app_info_get_executable(handler.get());
    if (entryFile == nullptr || executable == nullptr || *executable == '\0') return std::nullopt;
    // GIO also takes a program from an empty or relative PATH entry, that is
    // from the current folder; such a handler is no browser here.
    if (programOnPath(executable).empty()) return std::nullopt;
    return BrowserProgram{entryFile, BrowserProgram::Kind::desktopEntry};
}

}  // namespace regApi
