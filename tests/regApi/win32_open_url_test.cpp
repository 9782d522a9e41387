// Link clicks against the real registry and process start (run under Wine):
// hostile and ordinary registrations of the web-address command, with a
// stand-in browser and a stand-in C:\Program.exe that must never run.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>

#include "regApi/open_url.hpp"
#include "runtime/runtime_error.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::testName;

const fs::path browserFolder = R"(C:\Program Files\Marelto Test Browser)";
const fs::path browser = browserFolder / "browser.exe";
const fs::path unquotedPathTrap = R"(C:\Program.exe)";
constexpr const char* commandKey = R"(http\shell\open\command)";
constexpr const char* address = "http://www.marelto.example";

fs::path recordOf(const fs::path& program) { return program.string() + ".record"; }

// Patience for a program that must start: enough for Wine on a machine busy
// with other builds, where starting a program can take seconds.
constexpr std::chrono::seconds startPatience{60};

// The stand-in's record without its closing line once it is complete, its
// text as it stands if it is still incomplete after `patience`, or nothing if
// it never appeared. Wine has been seen to show a record empty just after it
// was renamed into place, so only the closing line counts.
std::optional<std::string> awaitRecord(const fs::path& program,
                                       std::chrono::milliseconds patience) {
    const std::string end = "end of record\n";
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const bool late = std::chrono::steady_clock::now() >= deadline;
        if (fs::exists(recordOf(program))) {
            std::ostringstream text;
            text << std::ifstream(recordOf(program), std::ios::binary).rdbuf();
            const std::string record = text.str();
            if (record.ends_with(end)) return record.substr(0, record.size() - end.size());
            if (late) return record;
        } else if (late) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(50ms);
    }
}

fs::path recordingBrowserBesideTheTests() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "marelto_recording_browser.exe";
}

// A browser.exe in the program's own folder, where Windows looks first for a
// program named without a folder; it must never run either.
fs::path ownFolderTrap() { return recordingBrowserBesideTheTests().parent_path() / "browser.exe"; }

// The previous row's stand-in may still be ending after its record is
// complete, and Windows keeps a running program's file locked until then.
void copyOnceFree(const fs::path& from, const fs::path& to) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
        std::error_code error;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
        if (!error) return;
        if (std::chrono::steady_clock::now() > deadline) {
            throw fs::filesystem_error("copy", from, to, error);
        }
        Sleep(100);
    }
}

class RecordingWindow final : public Desktop {
public:
    std::string calls;

    bool startBrowser(const BrowserProgram& program, const std::string& argument) override {
        calls += "start;";
        return Desktop::startBrowser(program, argument);
    }
    void processEvents() override { calls += "events;"; }
    void focusMainWindow() override { calls += "focus;"; }
    void showMessage(const std::string& text) override { calls += "message " + text + ";"; }
};

struct ClickCase {
    const char* what;
    DWORD type;
    std::string registered;
    std::string address;
    std::string expectedCalls;
    std::string expectedRecord;  // of the stand-in browser: its command line, then its arguments

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const ClickCase& row, std::ostream* out) { *out << row.what; }
};

// Installs the stand-ins and registers the row's command in place of Wine's
// own, which comes back afterwards.
class Win32LinkClick : public testing::TestWithParam<ClickCase> {
protected:
    void SetUp() override {
        fs::create_directories(browserFolder);
        for (const auto& program : {browser, unquotedPathTrap, ownFolderTrap()}) {
            copyOnceFree(recordingBrowserBesideTheTests(), program);
            fs::remove(recordOf(program));
        }
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, commandKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        char saved[4096] = {};
        DWORD size = sizeof saved;
        if (RegQueryValueExA(key_, nullptr, nullptr, &savedType_, reinterpret_cast<BYTE*>(saved),
                             &size) == ERROR_SUCCESS) {
            saved_ = std::string(saved, size);
        }
    }

    void TearDown() override {
        if (saved_) {
            RegSetValueExA(key_, nullptr, 0, savedType_,
                           reinterpret_cast<const BYTE*>(saved_->data()),
                           static_cast<DWORD>(saved_->size()));
        }
        RegCloseKey(key_);
        std::error_code ignored;
        fs::remove_all(browserFolder, ignored);
        for (const auto& trap : {unquotedPathTrap, ownFolderTrap()}) {
            fs::remove(trap, ignored);
            fs::remove(recordOf(trap), ignored);
        }
    }

    void registerCommand(DWORD type, const std::string& command) {
        ASSERT_EQ(
            RegSetValueExA(key_, nullptr, 0, type, reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1)),
            ERROR_SUCCESS);
    }

private:
    HKEY key_ = nullptr;
    DWORD savedType_ = REG_SZ;
    std::optional<std::string> saved_;
};

TEST_P(Win32LinkClick, StartsOnlyTheBrowserWithTheAddressAsOneArgument) {
    registerCommand(GetParam().type, GetParam().registered);
    RecordingWindow window;
    try {
        openUrl(GetParam().address, window);
    } catch (const runtime::RuntimeError& error) {
        window.calls += "error " + std::to_string(error.number());
    }
    EXPECT_EQ(window.calls, GetParam().expectedCalls);

    // Where nothing may start, a wrong start gets a moment to show.
    if (GetParam().expectedRecord.empty()) std::this_thread::sleep_for(1s);
    const auto patience = GetParam().expectedRecord.empty() ? 0ms : startPatience;
    EXPECT_EQ(awaitRecord(browser, patience).value_or(""), GetParam().expectedRecord);
    EXPECT_EQ(awaitRecord(unquotedPathTrap, 0ms), std::nullopt) << "C:\\Program.exe ran";
    EXPECT_EQ(awaitRecord(ownFolderTrap(), 0ms), std::nullopt)
        << "the browser.exe beside the program ran";
}

constexpr const char* started = "start;events;focus;";
constexpr const char* toldNoBrowser = "message Unable to open URL. Install browser first!;";
const std::string browserGotTheAddress =
    "\"" + browser.string() + "\" " + address + "\n" + address + "\n";

INSTANTIATE_TEST_SUITE_P(
    Registry, Win32LinkClick,
    testing::Values(
        ClickCase{"quoted path with options as browsers register", REG_SZ,
                  "\"" + browser.string() + "\" -osint -url \"%1\"", address, started,
                  browserGotTheAddress},
        ClickCase{"unquoted path with blanks", REG_SZ, browser.string() + " -osint -url \"%1\"",
                  address, started, browserGotTheAddress},
        ClickCase{"unquoted path with blanks and without .exe", REG_SZ,
                  (browserFolder / "browser").string() + " -osint \"%1\"", address, started,
                  browserGotTheAddress},
        ClickCase{"expandable string", REG_EXPAND_SZ,
                  R"("%ProgramFiles%\Marelto Test Browser\browser.exe" "%1")", address, started,
                  browserGotTheAddress},
        ClickCase{"value that names no program", REG_SZ, "rec %1", address, toldNoBrowser, ""},
        ClickCase{"quoted name without a folder", REG_SZ, R"("browser.exe" "%1")", address,
                  toldNoBrowser, ""},
        ClickCase{"quoted relative path", REG_SZ, R"(".\browser.exe" "%1")", address, toldNoBrowser,
                  ""},
        ClickCase{"quoted path that names no existing file", REG_SZ,
                  "\"" + (browserFolder / "missing.exe").string() + "\" \"%1\"", address,
                  toldNoBrowser, ""},
        ClickCase{"string is not expanded", REG_SZ,
                  R"("%ProgramFiles%\Marelto Test Browser\browser.exe" "%1")", address,
                  toldNoBrowser, ""},
        ClickCase{"multi-string is no command", REG_MULTI_SZ,
                  R"("%ProgramFiles%\Marelto Test Browser\browser.exe" "%1")", address,
                  toldNoBrowser, ""},
        ClickCase{"binary value is no command", REG_BINARY, "\"" + browser.string() + "\" \"%1\"",
                  address, toldNoBrowser, ""},
        ClickCase{"64-bit value is no command", REG_QWORD, "\"" + browser.string() + "\" \"%1\"",
                  address, toldNoBrowser, ""},
        ClickCase{"address with a quote and blanks", REG_SZ, "\"" + browser.string() + "\" \"%1\"",
                  "http://www.marelto.example/a b\" -x", started,
                  "\"" + browser.string() +
                      "\" http://www.marelto.example/a%20b%22%20-x\n"
                      "http://www.marelto.example/a%20b%22%20-x\n"},
        ClickCase{"address that is not http", REG_SZ, "\"" + browser.string() + "\" \"%1\"",
                  R"(C:\Windows\notepad.exe)", toldNoBrowser, ""}),
    [](const testing::TestParamInfo<ClickCase>& info) { return testName(info.param.what); });

}  // namespace
}  // namespace regApi
