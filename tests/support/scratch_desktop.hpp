#pragma once

// A throw-away freedesktop home for the tests: its own XDG data and config
// folders, a bin folder that is PATH and the current folder, desktop entries
// and mimeapps.list written on demand. GLib reads the XDG variables only once
// per process, so each scenario runs in a child process of its own.

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace testsupport {

class ScratchDesktop {
public:
    ScratchDesktop();
    ~ScratchDesktop();
    ScratchDesktop(const ScratchDesktop&) = delete;
    ScratchDesktop& operator=(const ScratchDesktop&) = delete;

    const std::filesystem::path& bin() const { return bin_; }

    // An executable script in bin/ with the given body after the #! line; the
    // name may lead through folders below bin/.
    std::filesystem::path addScript(const std::string& name, const std::string& interpreter,
                                    const std::string& body);
    // A stand-in program that writes its arguments, one a line, then the line
    // recordEnd, to recordOf(name).
    std::filesystem::path addRecorder(const std::string& name);
    std::filesystem::path recordOf(const std::string& name) const;
    // A folder below bin/ put on PATH ahead of bin/ itself.
    std::filesystem::path addPathFolder(const std::string& name);
    // PATH spelled as `spelling`, "{path}" standing for the folders it holds
    // so far, and the folder bin/<folder>, which is not on it, as the current
    // folder of the scenarios.
    void spellPath(const std::string& spelling, const std::string& currentFolder);

    // A desktop entry declaring it handles http, with Exec=<exec> %u.
    void addHttpHandler(const std::string& id, const std::string& exec);
    // mimeapps.list naming the entry as the default for http.
    void setDefaultHttpHandler(const std::string& id);

    // Runs `scenario` in a child process living in this desktop and returns
    // what it returned; a run-time error comes back as "error <number>".
    std::string runInside(const std::function<std::string()>& scenario) const;

private:
    std::filesystem::path root_;
    std::filesystem::path bin_;
    std::filesystem::path data_;
    std::filesystem::path config_;
    std::string httpHandlers_;
    std::string path_;
    std::filesystem::path current_;
};

// The last line of every record: a record without it is not yet complete.
inline constexpr const char* recordEnd = "end of record";

// Patience for a program that must start: enough for a machine busy with
// other builds, where starting a program can take seconds.
inline constexpr std::chrono::seconds startPatience{60};

// The recorded arguments, without the closing line, once the record is
// complete; its text as it stands if it is still incomplete after `patience`;
// nothing if it never appeared. The record is looked at at least once.
std::optional<std::string> awaitRecord(const std::filesystem::path& record,
                                       std::chrono::milliseconds patience);

}  // namespace testsupport
