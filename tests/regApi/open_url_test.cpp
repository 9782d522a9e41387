#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "regApi/browser_command.hpp"
#include "regApi/memory_registry.hpp"
#include "regApi/open_url.hpp"
#include "runtime/runtime_error.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

// Writes down what openUrl asks of the window, in order.
class RecordingDesktop final : public Desktop {
public:
    bool startSucceeds = true;
    std::string calls;

    bool startBrowser(const BrowserProgram& program, const std::string& address) override {
        const bool quoted = program.kind == BrowserProgram::Kind::registeredPath;
        calls += (quoted ? "start registered " : "start other ") + program.path + " | " + address +
                 "; ";
        return startSucceeds;
    }
    void processEvents() override { calls += "events; "; }
    void focusMainWindow() override { calls += "focus; "; }
    void showMessage(const std::string& text) override { calls += "message " + text; }
};

constexpr const char* address = "http://www.marelto.example";
constexpr const char* noBrowser = "message Unable to open URL. Install browser first!";

MemoryRegistry registryWith(std::string_view command) {
    MemoryRegistry registry;
    registry.setString(classesRoot, browserCommandKeyPath, "", command);
    return registry;
}

struct OpenCase {
    const char* what;
    std::string registered;
    std::string address;
    std::string expectedCalls;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const OpenCase& row, std::ostream* out) { *out << row.what; }
};

class OpenUrl : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenUrl, StartsTheRegisteredProgramWithTheAddressAsOneArgumentOrTellsTheUser) {
    MemoryRegistry registry = registryWith(GetParam().registered);
    RecordingDesktop desktop;
    openUrl(GetParam().address, desktop, registry);
    EXPECT_EQ(desktop.calls, GetParam().expectedCalls);
}

INSTANTIATE_TEST_SUITE_P(
    MemoryRegistry, OpenUrl,
    testing::Values(
        OpenCase{"quoted path with options starts the path alone",
                 R"("C:\b.exe" -osint -url "%1")", address,
                 R"(start registered C:\b.exe | http://www.marelto.example; events; focus; )"},
        OpenCase{"https in capitals", R"("C:\b.exe" "%1")", "HTTPS://a.example/",
                 R"(start registered C:\b.exe | HTTPS://a.example/; events; focus; )"},
        OpenCase{"quotes blanks and control characters are encoded", R"("C:\b.exe" "%1")",
                 "http://a.example/x y\"z\t\x7F&|<>^%",
                 R"(start registered C:\b.exe | http://a.example/x%20y%22z%09%7F&|<>^%; events; focus; )"},
        OpenCase{"a command script also gets the interpreter's characters encoded",
                 R"("C:\open.CMD" "%1")", "http://a.example/?a&b|c<d>e^f%41",
                 R"(start registered C:\open.CMD | http://a.example/?a%26b%7Cc%3Cd%3Ee%5Ef%2541; events; focus; )"},
        OpenCase{"a batch file too", R"("C:\open.bat" "%1")", "http://a.example/&",
                 R"(start registered C:\open.bat | http://a.example/%26; events; focus; )"},
        OpenCase{"unquoted name that is no existing file", R"(rec %1)", address, noBrowser},
        OpenCase{"unquoted path that names no existing file", R"(C:\b.exe %1)", address,
                 noBrowser},
        OpenCase{"unclosed quote", R"("C:\unclosed.exe)", address, noBrowser},
        OpenCase{"empty quotes", R"("" "%1")", address, noBrowser},
        OpenCase{"empty value", "", address, noBrowser},
        OpenCase{"file address", R"("C:\b.exe" "%1")", "file:///C:/Windows/system.ini", noBrowser},
        OpenCase{"option instead of an address", R"("C:\b.exe" "%1")", "-h", noBrowser},
        OpenCase{"address that only starts after a blank", R"("C:\b.exe" "%1")",
                 " http://a.example", noBrowser}),
    [](const testing::TestParamInfo<OpenCase>& info) { return testName(info.param.what); });

TEST(OpenUrlWithoutKey, ShowsTheMessageAndStartsNothing) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls, noBrowser);
}

TEST(OpenUrlFailedStart, EndsWithErrorFiftyThreeBeforeEventsAndFocus) {
    MemoryRegistry registry = registryWith(R"("C:\missing.exe" "%1")");
    RecordingDesktop desktop;
    desktop.startSucceeds = false;
    try {
        openUrl(address, desktop, registry);
        FAIL() << "a failed start must end with a run-time error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_EQ(error.number(), 53);
        EXPECT_STREQ(error.what(), "Datei nicht gefunden");
    }
    EXPECT_EQ(desktop.calls, R"(start registered C:\missing.exe | http://www.marelto.example; )");
}

TEST(OpenUrlRegistry, IsReadAnewOnEveryCall) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    registry.setString(classesRoot, browserCommandKeyPath, "", R"("C:\new.exe" "%1")");
    desktop.calls.clear();
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls, R"(start registered C:\new.exe | http://www.marelto.example; events; focus; )");
}

}  // namespace
}  // namespace regApi
