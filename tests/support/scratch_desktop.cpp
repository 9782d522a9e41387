#include "scratch_desktop.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "runtime/runtime_error.hpp"

namespace testsupport {

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

}  // namespace

ScratchDesktop::ScratchDesktop() {
    std::string pattern = (fs::temp_directory_path() / "marelto-regapi-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    bin_ = root_ / "bin";
    data_ = root_ / "data";
    config_ = root_ / "config";
    for (const auto& dir :
         {bin_, data_ / "applications", config_, root_ / "system-data", root_ / "system-config"}) {
        fs::create_directories(dir);
    }
    path_ = bin_.string();
    current_ = bin_;
}

ScratchDesktop::~ScratchDesktop() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path ScratchDesktop::addScript(const std::string& name, const std::string& interpreter,
                                   const std::string& body) {
    const fs::path path = bin_ / name;
    writeFile(path, "#!" + interpreter + "\n" + body);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    return path;
}

fs::path ScratchDesktop::recordOf(const std::string& name) const {
    return root_ / (name + ".record");
}

fs::path ScratchDesktop::addRecorder(const std::string& name) {
    // Written aside, renamed into place and closed by recordEnd, so that a
    // reader can tell a complete record from one still being written.
    const std::string record = recordOf(name).string();
    fs::create_directories(recordOf(name).parent_path());
    return addScript(name, "/bin/sh",
                     "printf '%s\\n' \"$@\" '" + std::string(recordEnd) + "' > '" + record +
                         ".part' && /bin/mv '" + record + ".part' '" + record + "'\n");
}

fs::path ScratchDesktop::addPathFolder(const std::string& name) {
    const fs::path folder = bin_ / name;
    fs::create_directories(folder);
    path_ = folder.string() + ":" + path_;
    return folder;
}

void ScratchDesktop::spellPath(const std::string& spelling, const std::string& currentFolder) {
    const std::string placeholder = "{path}";
    std::string path = spelling;
    path.replace(path.find(placeholder), placeholder.size(), path_);
    path_ = path;
    current_ = bin_ / currentFolder;
    fs::create_directories(current_);
}

void ScratchDesktop::addHttpHandler(const std::string& id, const std::string& exec) {
    writeFile(data_ / "applications" / (id + ".desktop"),
              "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + exec +
                  " %u\nMimeType=x-scheme-handler/http;\n");
    // GIO finds an entry's MimeType through this cache, which desktops keep
    // up to date with update-desktop-database.
    httpHandlers_ += id + ".desktop;";
    writeFile(data_ / "applications" / "mimeinfo.cache",
              "[MIME Cache]\nx-scheme-handler/http=" + httpHandlers_ + "\n");
}

void ScratchDesktop::setDefaultHttpHandler(const std::string& id) {
    writeFile(config_ / "mimeapps.list",
              "[Default Applications]\nx-scheme-handler/http=" + id + ".desktop\n");
}

std::string ScratchDesktop::runInside(const std::function<std::string()>& scenario) const {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        close(pipeEnds[0]);
        setenv("HOME", root_.c_str(), 1);
        setenv("PATH", path_.c_str(), 1);
        if (chdir(current_.c_str()) != 0) _exit(1);
        setenv("XDG_DATA_HOME", data_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        setenv("XDG_DATA_DIRS", (root_ / "system-data").c_str(), 1);
        setenv("XDG_CONFIG_DIRS", (root_ / "system-config").c_str(), 1);
        setenv("GIO_USE_VFS", "local", 1);
        unsetenv("XDG_CURRENT_DESKTOP");
        std::string result;
        try {
            result = scenario();
        } catch (const runtime::RuntimeError& error) {
            result = "error " + std::to_string(error.number());
        } catch (const std::exception& error) {
            result = std::string("exception ") + error.what();
        }
        const char* next = result.data();
        std::size_t left = result.size();
        while (left > 0) {
            const ssize_t written = write(pipeEnds[1], next, left);
            if (written <= 0) break;
            next += written;
            left -= static_cast<std::size_t>(written);
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string result;
    char chunk[4096];
    for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;) {
        result.append(chunk, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed";
    return result;
}

std::optional<std::string> awaitRecord(const fs::path& record, std::chrono::milliseconds patience) {
    const std::string end = std::string(recordEnd) + "\n";
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const bool late = std::chrono::steady_clock::now() >= deadline;
        if (fs::exists(record)) {
            std::string text = readFile(record);
            if (text.ends_with(end)) return text.substr(0, text.size() - end.size());
            if (late) return text;
        } else if (late) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace testsupport
