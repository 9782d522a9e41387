// The launcher on a freedesktop system: text is UTF-8, there is no registry
// (GIO names the browser), and the browser is started without a shell.

#include <dlfcn.h>
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <glib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "regApi/platform.hpp"

namespace regApi {

namespace {

// GIO is loaded at the first link click, not linked in: with it and the
// libraries it brings (GObject, libmount, libblkid, libselinux, libffi) every
// start of the window took several milliseconds longer. It is looked up by
// its soname, as the dynamic linker looks up what is linked in.
constexpr const char* gioLibrary = "libgio-2.0.so.0";

struct Gio {
    decltype(&g_object_unref) objectUnref;
    decltype(&g_type_check_instance_is_a) instanceIsA;
    decltype(&g_app_info_get_default_for_uri_scheme) defaultForUriScheme;
    decltype(&g_app_info_get_executable) executable;
    decltype(&g_app_info_launch_uris) launchUris;
    decltype(&g_app_launch_context_new) newLaunchContext;
    decltype(&g_app_launch_context_setenv) setLaunchEnvironment;
    decltype(&g_desktop_app_info_get_type) desktopAppInfoType;
    decltype(&g_desktop_app_info_new_from_filename) desktopAppInfoFromFile;
    decltype(&g_desktop_app_info_get_filename) desktopAppInfoFile;
};

template <class Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Gio> loadGio() {
    void* library = dlopen(gioLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    Gio gio{};
    const bool complete =
        resolve(library, "g_object_unref", gio.objectUnref) &&
        resolve(library, "g_type_check_instance_is_a", gio.instanceIsA) &&
        resolve(library, "g_app_info_get_default_for_uri_scheme", gio.defaultForUriScheme) &&
        resolve(library, "g_app_info_get_executable", gio.executable) &&
        resolve(library, "g_app_info_launch_uris", gio.launchUris) &&
        resolve(library, "g_app_launch_context_new", gio.newLaunchContext) &&
        resolve(library, "g_app_launch_context_setenv", gio.setLaunchEnvironment) &&
        resolve(library, "g_desktop_app_info_get_type", gio.desktopAppInfoType) &&
        resolve(library, "g_desktop_app_info_new_from_filename", gio.desktopAppInfoFromFile) &&
        resolve(library, "g_desktop_app_info_get_filename", gio.desktopAppInfoFile);
    // Stays loaded: GIO keeps state of its own and is not made to be unloaded.
    if (!complete) return std::nullopt;
    return gio;
}

// GIO once loaded; null where it cannot be, and then no browser is found.
const Gio* loadedGio() {
    static const std::optional<Gio> loaded = loadGio();
    return loaded ? &*loaded : nullptr;
}

struct GObjectRelease {
    void operator()(gpointer object) const { loadedGio()->objectUnref(object); }
};

bool isExecutableFile(const std::string& path) {
    return isProgramFile(path) && access(path.c_str(), X_OK) == 0;
}

// What glibc's confstr(_CS_PATH) gives, written out: confstr into a buffer
// of run-time size escapes the fortified C library.
constexpr const char* defaultSearchPath = "/bin:/usr/bin";

// PATH, or the system's default search path when it is not set.
std::string searchPath() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : defaultSearchPath;
}

// PATH with only its absolute entries, for what a started helper looks up in
// turn.
std::string absoluteSearchPath() {
    const std::string path = searchPath();
    std::string absolute;
    std::string_view entries = path;
    for (;;) {
        const auto colon = entries.find(':');
        const std::string_view entry = entries.substr(0, colon);
        if (entry.starts_with('/')) {
            if (!absolute.empty()) absolute += ':';
            absolute += entry;
        }
        if (colon == std::string_view::npos) return absolute;
        entries.remove_prefix(colon + 1);
    }
}

// The program as PATH finds it, looked for only in the absolute entries of
// PATH. An empty or relative entry ("/usr/bin:", ".:/usr/bin") would stand
// for the current folder and is skipped; a name with a slash is taken only as
// an absolute path. Empty when none is found.
std::string programOnPath(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return isExecutableFile(name) ? name : std::string();
    const std::string path = absoluteSearchPath();
    std::string_view entries = path;
    while (!entries.empty()) {
        const auto colon = entries.find(':');
        std::string candidate(entries.substr(0, colon));
        candidate += '/';
        candidate += name;
        if (isExecutableFile(candidate)) return candidate;
        entries.remove_prefix(colon == std::string_view::npos ? entries.size() : colon + 1);
    }
    return {};
}

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

// GIO expands the entry's Exec line by the freedesktop rules for desktop
// entries, wrappers such as sh -c, env or a sandbox launcher included. It
// starts the program through its gio-launch-desktop helper, so a program that
// then fails to run is not reported here, just as with xdg-open. The helper
// and the program are looked up on a PATH of absolute entries only.
bool launchDesktopEntry(const std::string& entryFile, std::string address) {
    const Gio* const gio = loadedGio();
    if (gio == nullptr) return false;
    const std::unique_ptr<GDesktopAppInfo, GObjectRelease> entry(
        gio->desktopAppInfoFromFile(entryFile.c_str()));
    if (!entry) return false;
    const std::unique_ptr<GAppLaunchContext, GObjectRelease> context(gio->newLaunchContext());
    gio->setLaunchEnvironment(context.get(), "PATH", absoluteSearchPath().c_str());
    GList addresses{address.data(), nullptr, nullptr};
    GError* error = nullptr;
    // A desktop entry is an application of GIO's; the pointer is the same.
    const gboolean started = gio->launchUris(reinterpret_cast<GAppInfo*>(entry.get()), &addresses,
                                             context.get(), &error);
    if (error != nullptr) g_error_free(error);
    return started != FALSE;
}

}  // namespace

std::string textFromAnsi(std::span<const char> buffer, std::size_t length) {
    return {buffer.data(), std::min(length, buffer.size())};
}

std::string ansiFromText(const std::string& text) { return text; }

std::string expandEnvironment(const std::string& text) { return text; }

bool isProgramFile(const std::string& path) {
    std::error_code ignored;
    return path.starts_with('/') && std::filesystem::is_regular_file(path, ignored);
}

bool launchBrowser(const BrowserProgram& program, const std::string& argument) {
    if (program.kind == BrowserProgram::Kind::desktopEntry) {
        return launchDesktopEntry(program.path, argument);
    }
    std::string path = program.path;
    std::string address = argument;
    return spawn({path.data(), address.data()});
}

std::optional<BrowserProgram> getBrowserCommand() {
    const Gio* const gio = loadedGio();
    if (gio == nullptr) return std::nullopt;
    const std::unique_ptr<GAppInfo, GObjectRelease> handler(gio->defaultForUriScheme("http"));
    if (!handler) return std::nullopt;

    if (std::string opener = programOnPath("xdg-open"); !opener.empty()) {
        return BrowserProgram{std::move(opener), BrowserProgram::Kind::file};
    }
    if (gio->instanceIsA(reinterpret_cast<GTypeInstance*>(handler.get()),
                         gio->desktopAppInfoType()) == FALSE) {
        return std::nullopt;
    }
    const char* entryFile =
        gio->desktopAppInfoFile(reinterpret_cast<GDesktopAppInfo*>(handler.get()));
    const char* executable = gio->executable(handler.get());
    if (entryFile == nullptr || executable == nullptr || *executable == '\0') return std::nullopt;
    // GIO also takes a program from an empty or relative PATH entry, that is
    // from the current folder; such a handler is no browser here.
    if (programOnPath(executable).empty()) return std::nullopt;
    return BrowserProgram{entryFile, BrowserProgram::Kind::desktopEntry};
}

}  // namespace regApi
