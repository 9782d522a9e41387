#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <glib.h>

#include <memory>
#include <vector>

#include "regApi/browser_program.hpp"
#include "regApi/program_file.hpp"

namespace regApi {

namespace {

// The program is found by programOnPath, never in the current folder, and
// started by exactly that name. Without G_SPAWN_DO_NOT_REAP_CHILD GLib starts
// it through an intermediate child, so it is reparented and never left as a
// zombie, and a failed exec is still reported back here.
bool spawn(std::vector<gchar*> argv) {
    if (argv.empty()) return false;
    std::string program = programOnPath(argv.front());
    if (program.empty()) return false;
    argv.front() = program.data();
    argv.push_back(nullptr);
    GError* error = nullptr;
    const gboolean started =
        g_spawn_async(nullptr, argv.data(), nullptr, static_cast<GSpawnFlags>(0), nullptr, nullptr,
                      nullptr, &error);
    if (error != nullptr) g_error_free(error);
    return started != FALSE;
}

struct GObjectRelease {
    void operator()(gpointer object) const { g_object_unref(object); }
};

// GIO expands the entry's Exec line by the freedesktop rules for desktop
// entries, wrappers such as sh -c, env or a sandbox launcher included. It
// starts the program through its gio-launch-desktop helper, so a program that
// then fails to run is not reported here, just as with xdg-open. The helper
// and the program are looked up on a PATH of absolute entries only.
bool launchDesktopEntry(const std::string& entryFile, std::string address) {
    const std::unique_ptr<GDesktopAppInfo, GObjectRelease> entry(
        g_desktop_app_info_new_from_filename(entryFile.c_str()));
    if (!entry) return false;
    const std::unique_ptr<GAppLaunchContext, GObjectRelease> context(g_app_launch_context_new());
    g_app_launch_context_setenv(context.get(), "PATH", absoluteSearchPath().c_str());
    GList addresses{address.data(), nullptr, nullptr};
    GError* error = nullptr;
    const gboolean started =
        g_app_info_launch_uris(G_APP_INFO(entry.get()), &addresses, context.get(), &error);
    if (error != nullptr) g_error_free(error);
    return started != FALSE;
}

}  // namespace

bool launchBrowser(const BrowserProgram& program, const std::string& argument) {
    if (program.kind == BrowserProgram::Kind::desktopEntry) {
        return launchDesktopEntry(program.path, argument);
    }
    std::string path = program.path;
    std::string address = argument;
    return spawn({path.data(), address.data()});
}

}  // namespace regApi
