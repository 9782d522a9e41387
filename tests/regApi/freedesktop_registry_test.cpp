// The web-address key on a freedesktop system, answered through GIO from a
// scratch XDG home, and link clicks that really start the stand-in opener.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <variant>

#include "regApi/browser_command.hpp"
#include "regApi/enum_reg_values.hpp"
#include "regApi/open_url.hpp"
#include "regApi/process_start.hpp"
#include "runtime/runtime_error.hpp"
#include "scratch_desktop.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testing_support::awaitRecord;
using testing_support::ScratchDesktop;
using namespace std::chrono_literals;

constexpr const char* address = "http://www.marelto.example";

// Rows as "name=data" lines; this key only ever holds strings.
std::string describe(const ValueTable& table) {
    std::string text;
    for (const auto& row : table) {
        const auto* data = std::get_if<std::string>(&row.data);
        text += "[" + row.name + "]=" + (data ? *data : std::string("<not text>")) + "\n";
    }
    return text;
}

std::string replaceBin(std::string text, const ScratchDesktop& desktop) {
    const std::string placeholder = "{bin}";
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder)) {
        text.replace(at, placeholder.size(), desktop.bin().string());
    }
    return text;
}

struct LookupCase {
    const char* what;
    std::function<void(ScratchDesktop&)> setUp;
    std::string expectedRows;     // {bin} stands for the scratch bin folder
    std::string expectedCommand;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const LookupCase& row, std::ostream* out) { *out << row.what; }
};

class HttpKeyFromGio : public testing::TestWithParam<LookupCase> {};

TEST_P(HttpKeyFromGio, AnswersTheKeyFromTheDefaultHandler) {
    ScratchDesktop desktop;
    GetParam().setUp(desktop);
    const std::string seen = desktop.runInside([] {
        return describe(enumRegValues(classesRoot, std::string(browserCommandKeyPath))) + "|" +
               getBrowserCommand();
    });
    const std::string expected = GetParam().expectedRows + "|" + GetParam().expectedCommand;
    EXPECT_EQ(seen, replaceBin(expected, desktop));
}

void twoHandlersPreferringBeta(ScratchDesktop& desktop) {
    desktop.addHttpHandler("alpha", desktop.addRecorder("alpha-browser").string());
    desktop.addRecorder("beta-browser");
    desktop.addHttpHandler("beta", "beta-browser");  // found on PATH
    desktop.setDefaultHttpHandler("beta");
}

INSTANTIATE_TEST_SUITE_P(
    ScratchHome, HttpKeyFromGio,
    testing::Values(
        LookupCase{"xdg-open on PATH stands for the default handler",
                   [](ScratchDesktop& d) {
                       twoHandlersPreferringBeta(d);
                       d.addRecorder("xdg-open");
                   },
                   "[]=\"{bin}/xdg-open\" \"%1\"\n", "\"{bin}/xdg-open\""},
        LookupCase{"without xdg-open the default handler from mimeapps list runs itself",
                   twoHandlersPreferringBeta,
                   "[]=\"{bin}/beta-browser\" \"%1\"\n", "\"{bin}/beta-browser\""},
        LookupCase{"the only handler is the default without mimeapps list",
                   [](ScratchDesktop& d) {
                       d.addHttpHandler("alpha", d.addRecorder("alpha-browser").string());
                   },
                   "[]=\"{bin}/alpha-browser\" \"%1\"\n", "\"{bin}/alpha-browser\""},
        LookupCase{"xdg-open alone is no handler",
                   [](ScratchDesktop& d) { d.addRecorder("xdg-open"); }, "", "Invalid"},
        LookupCase{"a handler whose program is gone does not count",
                   [](ScratchDesktop& d) {
                       d.addRecorder("xdg-open");
                       d.addHttpHandler("gone", (d.bin() / "uninstalled-browser").string());
                   },
                   "", "Invalid"},
        LookupCase{"nothing registered", [](ScratchDesktop&) {}, "", "Invalid"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return testName(info.param.what); });

TEST(HttpKeyFromGio, NoOtherKeyExists) {
    ScratchDesktop desktop;
    twoHandlersPreferringBeta(desktop);
    desktop.addRecorder("xdg-open");
    const std::string seen = desktop.runInside([] {
        std::string rows;
        for (const auto& [root, path] :
             {std::pair{classesRoot, "http"}, std::pair{classesRoot, ""},
              std::pair{currentUser, "http\\shell\\open\\command"},
              std::pair{localMachine, "Software\\Classes\\http\\shell\\open\\command"},
              std::pair{classesRoot, "https\\shell\\open\\command"}}) {
            rows += std::to_string(enumRegValues(root, path).size());
        }
        const auto otherCase = enumRegValues(classesRoot, "HTTP\\Shell\\Open\\Command");
        return rows + "|" + std::to_string(otherCase.size());
    });
    EXPECT_EQ(seen, "00000|1") << "only the web-address key exists, in any letter case";
}

TEST(HttpKeyFromGio, BrowserRegisteredWhileRunningIsFoundAtTheNextLookup) {
    ScratchDesktop desktop;
    desktop.addRecorder("xdg-open");
    const std::string seen = desktop.runInside([&desktop] {
        std::string before = getBrowserCommand();
        desktop.addHttpHandler("late", desktop.addRecorder("late-browser").string());
        // GIO learns of new desktop entries from a file monitor.
        std::string after = getBrowserCommand();
        for (int wait = 0; wait < 100 && after == "Invalid"; ++wait) {
            std::this_thread::sleep_for(50ms);
            after = getBrowserCommand();
        }
        return before + "|" + after;
    });
    EXPECT_EQ(seen, replaceBin("Invalid|\"{bin}/xdg-open\"", desktop));
}

// A window that really starts processes and writes down everything else.
class StartingDesktop final : public Desktop {
public:
    std::string calls;

    bool startProcess(const std::string& commandLine) override {
        calls += "start;";
        return startDetachedProcess(commandLine);
    }
    void processEvents() override { calls += "events;"; }
    void focusMainWindow() override { calls += "focus;"; }
    void showMessage(const std::string& text) override { calls += "message " + text + ";"; }
};

std::string clickLink() {
    StartingDesktop window;
    try {
        openUrl(address, window);
    } catch (const runtime::RuntimeError& error) {
        return window.calls + "error " + std::to_string(error.number());
    }
    return window.calls;
}

TEST(LinkClick, OpensTheAddressThroughXdgOpen) {
    ScratchDesktop desktop;
    twoHandlersPreferringBeta(desktop);
    desktop.addRecorder("xdg-open");

    EXPECT_EQ(desktop.runInside(clickLink), "start;events;focus;");
    EXPECT_EQ(awaitRecord(desktop.recordOf("xdg-open"), 5s), std::string(address) + "\n");
    EXPECT_FALSE(awaitRecord(desktop.recordOf("beta-browser"), 0ms));
}

TEST(LinkClick, WithoutXdgOpenStartsTheHandlerItself) {
    ScratchDesktop desktop;
    twoHandlersPreferringBeta(desktop);

    EXPECT_EQ(desktop.runInside(clickLink), "start;events;focus;");
    EXPECT_EQ(awaitRecord(desktop.recordOf("beta-browser"), 5s), std::string(address) + "\n");
}

TEST(LinkClick, WithoutAHandlerShowsTheMessageAndStartsNothing) {
    ScratchDesktop desktop;
    desktop.addRecorder("xdg-open");

    EXPECT_EQ(desktop.runInside(clickLink), "message Unable to open URL. Install browser first!;");
    EXPECT_FALSE(awaitRecord(desktop.recordOf("xdg-open"), 300ms));
}

TEST(LinkClick, HandlerThatCannotStartEndsWithErrorFiftyThree) {
    ScratchDesktop desktop;
    desktop.addHttpHandler(
        "broken", desktop.addScript("broken-browser", "/nonexistent/interpreter", "").string());

    EXPECT_EQ(desktop.runInside(clickLink), "start;error 53");
}

}  // namespace
}  // namespace regApi
