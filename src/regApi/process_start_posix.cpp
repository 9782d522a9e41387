#include "regApi/process_start.hpp"

#include <glib.h>

#include <vector>

#include "regApi/split_command.hpp"

namespace regApi {

bool startDetachedProcess(const std::string& commandLine) {
    std::vector<std::string> arguments = splitCommand(commandLine);
    if (arguments.empty()) return false;
    std::vector<gchar*> argv;
    argv.reserve(arguments.size() + 1);
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    // Without G_SPAWN_DO_NOT_REAP_CHILD GLib starts the program through an
    // intermediate child, so it is reparented and never left as a zombie, and
    // a failed exec is still reported back here.
    GError* error = nullptr;
    const gboolean started = g_spawn_async(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH,
                                           nullptr, nullptr, nullptr, &error);
    if (error != nullptr) g_error_free(error);
    return started != FALSE;
}

}  // namespace regApi
