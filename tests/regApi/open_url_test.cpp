#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "memory_registry.hpp"
#include "regApi/browser_command.hpp"
#include "regApi/open_url.hpp"
#include "runtime/runtime_error.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testsupport::MemoryRegistry;
using testsupport::testName;

// Writes down what openUrl asks of the window, in order.
class RecordingDesktop final : public Desktop {
public:
    bool startSucceeds = true;
    std::string calls;

    bool startBrowser(const BrowserProgram& program, const std::string& address) override {
        calls += "start " + program.path + " | " + address + "; ";
        return startSucceeds;
    }
    void processEvents() override { calls += "events; "; }
    void focusMainWindow() override { calls += "focus; "; }
    void showMessage(const std::string& text) override { calls += "message " + text; }
};

constexpr const char* address = "http://www.marelto.example";
constexpr const char* noBrowser = "message Unable to open URL. Install browser first!";

// Program files that exist, for the registrations to name: {dir} stands for
// their folder with its closing separator, {b} for b.exe, {cmd} for open.CMD
// and {bat} for open.bat.
class ProgramFolder {
public:
    // A folder of its own for each run: the suite's tests may run side by side.
    ProgramFolder()
        : folder_(std::filesystem::temp_directory_path() /
                  ("marelto-open-url-" + std::to_string(std::random_device()()) + "-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))) {
        std::filesystem::create_directories(folder_);
        for (const char* name : {"b.exe", "open.CMD", "open.bat"}) {
            std::ofstream(folder_ / name) << "stand-in\n";
        }
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    std::string filled(std::string text) const {
        for (const auto& [placeholder, name] :
             {std::pair{"{dir}", ""}, std::pair{"{b}", "b.exe"}, std::pair{"{cmd}", "open.CMD"},
              std::pair{"{bat}", "open.bat"}}) {
            const std::string path = (folder_ / name).string();
            for (auto at = text.find(placeholder); at != std::string::npos;
                 at = text.find(placeholder)) {
                text.replace(at, std::string_view(placeholder).size(), path);
            }
        }
        return text;
    }

private:
    std::filesystem::path folder_;
};

const ProgramFolder& programs() {
    static const ProgramFolder folder;
    return folder;
}

// The command stored as the key's first value with the given type: a string
// or an expandable string with its terminator, a multi-string with both.
MemoryRegistry registryWith(std::string_view command, RegType type = typeString) {
    const std::string filled = programs().filled(std::string(command));
    MemoryRegistry registry;
    if (type == typeString) {
        registry.setString(classesRoot, browserCommandKeyPath, "", filled);
        return registry;
    }
    std::vector<std::uint8_t> bytes(filled.begin(), filled.end());
    bytes.push_back(0);
    if (type == typeMultiString) bytes.push_back(0);
    registry.setValue(classesRoot, browserCommandKeyPath, {"", type, bytes});
    return registry;
}

struct OpenCase {
    const char* what;
    std::string registered;
    std::string address;
    std::string expectedCalls;
    RegType type = typeString;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const OpenCase& row, std::ostream* out) { *out << row.what; }
};

class OpenUrl : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenUrl, StartsTheRegisteredProgramWithTheAddressAsOneArgumentOrTellsTheUser) {
    MemoryRegistry registry = registryWith(GetParam().registered, GetParam().type);
    RecordingDesktop desktop;
    openUrl(GetParam().address, desktop, registry);
    EXPECT_EQ(desktop.calls, programs().filled(GetParam().expectedCalls));
}

const std::string browserStarted = "start {b} | http://www.marelto.example; events; focus; ";

INSTANTIATE_TEST_SUITE_P(
    MemoryRegistry, OpenUrl,
    testing::Values(
        OpenCase{"quoted path with options starts the path alone", R"("{b}" -osint -url "%1")",
                 address, browserStarted},
        OpenCase{"https in capitals", R"("{b}" "%1")", "HTTPS://a.example/",
                 "start {b} | HTTPS://a.example/; events; focus; "},
        OpenCase{"quotes blanks and control characters are encoded", R"("{b}" "%1")",
                 "http://a.example/x y\"z\t\x7F&|<>^%",
                 "start {b} | http://a.example/x%20y%22z%09%7F&|<>^%; events; focus; "},
        OpenCase{"a command script also gets the interpreter's characters encoded",
                 R"("{cmd}" "%1")", "http://a.example/?a&b|c<d>e^f%41",
                 "start {cmd} | http://a.example/?a%26b%7Cc%3Cd%3Ee%5Ef%2541; events; focus; "},
        OpenCase{"a batch file too", R"("{bat}" "%1")", "http://a.example/&",
                 "start {bat} | http://a.example/%26; events; focus; "},
        OpenCase{"unquoted path with options", R"({b} -osint -url "%1")", address, browserStarted},
        OpenCase{"quoted path without .exe", R"("{dir}b" "%1")", address, browserStarted},
        OpenCase{"quoted name without a folder", R"("b.exe" "%1")", address, noBrowser},
        OpenCase{"quoted relative path", R"(".\b.exe" "%1")", address, noBrowser},
        OpenCase{"quoted path that names no existing file", R"("{dir}missing.exe" "%1")", address,
                 noBrowser},
        OpenCase{"quoted path of a folder", R"("{dir}" "%1")", address, noBrowser},
        OpenCase{"unquoted name that is no existing file", R"(rec %1)", address, noBrowser},
        OpenCase{"unquoted path that names no existing file", R"({dir}missing.exe %1)", address,
                 noBrowser},
        OpenCase{"unclosed quote", R"("{b})", address, noBrowser},
        OpenCase{"empty quotes", R"("" "%1")", address, noBrowser},
        OpenCase{"empty value", "", address, noBrowser},
        OpenCase{"expandable string", R"("{b}" "%1")", address, browserStarted, typeExpandString},
        OpenCase{"multi-string is no command", R"("{b}" "%1")", address, noBrowser,
                 typeMultiString},
        OpenCase{"binary value is no command", R"("{b}" "%1")", address, noBrowser, typeBinary},
        OpenCase{"64-bit value is no command", R"("{b}" "%1")", address, noBrowser, typeQword},
        OpenCase{"file address", R"("{b}" "%1")", "file:///C:/Windows/system.ini", noBrowser},
        OpenCase{"option instead of an address", R"("{b}" "%1")", "-h", noBrowser},
        OpenCase{"address that only starts after a blank", R"("{b}" "%1")", " http://a.example",
                 noBrowser}),
    [](const testing::TestParamInfo<OpenCase>& info) { return testName(info.param.what); });

TEST(OpenUrlWithoutKey, ShowsTheMessageAndStartsNothing) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls, noBrowser);
}

TEST(OpenUrlFailedStart, EndsWithErrorFiftyThreeBeforeEventsAndFocus) {
    MemoryRegistry registry = registryWith(R"("{b}" "%1")");
    RecordingDesktop desktop;
    desktop.startSucceeds = false;
    try {
        openUrl(address, desktop, registry);
        FAIL() << "a failed start must end with a run-time error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_STREQ(error.what(), "Datei nicht gefunden");
    }
    EXPECT_EQ(desktop.calls, programs().filled("start {b} | http://www.marelto.example; "));
}

TEST(OpenUrlRegistry, IsReadAnewOnEveryCall) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    registry.setString(classesRoot, browserCommandKeyPath, "",
                       programs().filled(R"("{cmd}" "%1")"));
    desktop.calls.clear();
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls,
              programs().filled("start {cmd} | http://www.marelto.example; events; focus; "));
}

}  // namespace
}  // namespace regApi
