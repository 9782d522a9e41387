// The browser on a freedesktop system, named through GIO from a scratch XDG
// home, and link clicks that really start the stand-in opener.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "regApi/browser_command.hpp"
#include "regApi/open_url.hpp"
#include "runtime/runtime_error.hpp"
#include "scratch_desktop.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testsupport::awaitRecord;
using testsupport::ScratchDesktop;
using testsupport::testName;
using namespace std::chrono_literals;

constexpr const char* address = "http://www.marelto.example";

// "file <path>" for a program started by its path, "entry <file name>" for a
// desktop entry started through GIO, "none" for no browser.
std::string describe(const std::optional<BrowserProgram>& program) {
    if (!program) return "none";
    if (program->kind == BrowserProgram::Kind::file) return "file " + program->path;
    return "entry " + std::filesystem::path(program->path).filename().string();
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
    std::string expected;  // {bin} stands for the scratch bin folder

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const LookupCase& row, std::ostream* out) { *out << row.what; }
};

class BrowserFromGio : public testing::TestWithParam<LookupCase> {};

TEST_P(BrowserFromGio, NamesTheDefaultHandler) {
    ScratchDesktop desktop;
    GetParam().setUp(desktop);
    const std::string seen = desktop.runInside([] { return describe(getBrowserCommand()); });
    EXPECT_EQ(seen, replaceBin(GetParam().expected, desktop));
}

void twoHandlersPreferringBeta(ScratchDesktop& desktop) {
    desktop.addHttpHandler("alpha", desktop.addRecorder("alpha-browser").string());
    desktop.addRecorder("beta-browser");
    desktop.addHttpHandler("beta", "beta-browser");  // found on PATH
    desktop.setDefaultHttpHandler("beta");
}

INSTANTIATE_TEST_SUITE_P(
    ScratchHome, BrowserFromGio,
    testing::Values(
        LookupCase{"xdg-open on PATH stands for the default handler",
                   [](ScratchDesktop& d) {
                       twoHandlersPreferringBeta(d);
                       d.addRecorder("xdg-open");
                   },
                   "file {bin}/xdg-open"},
        LookupCase{"without xdg-open the default handler from mimeapps list runs itself",
                   twoHandlersPreferringBeta, "entry beta.desktop"},
        LookupCase{"the only handler is the default without mimeapps list",
                   [](ScratchDesktop& d) {
                       d.addHttpHandler("alpha", d.addRecorder("alpha-browser").string());
                   },
                   "entry alpha.desktop"},
        LookupCase{"xdg-open alone is no handler",
                   [](ScratchDesktop& d) { d.addRecorder("xdg-open"); }, "none"},
        LookupCase{"a handler whose program is gone does not count",
                   [](ScratchDesktop& d) {
                       d.addRecorder("xdg-open");
                       d.addHttpHandler("gone", (d.bin() / "uninstalled-browser").string());
                   },
                   "none"},
        LookupCase{"nothing registered", [](ScratchDesktop&) {}, "none"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return testName(info.param.what); });

TEST(BrowserFromGio, BrowserRegisteredWhileRunningIsFoundAtTheNextLookup) {
    ScratchDesktop desktop;
    desktop.addRecorder("xdg-open");
    const std::string seen = desktop.runInside([&desktop] {
        std::string before = describe(getBrowserCommand());
        desktop.addHttpHandler("late", desktop.addRecorder("late-browser").string());
        // GIO learns of new desktop entries from a file monitor.
        std::string after = describe(getBrowserCommand());
        const auto deadline = std::chrono::steady_clock::now() + testsupport::startPatience;
        while (after == "none" && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
            after = describe(getBrowserCommand());
        }
        return before + "|" + after;
    });
    EXPECT_EQ(seen, replaceBin("none|file {bin}/xdg-open", desktop));
}

// A window that really starts the browser and writes down everything else.
class StartingDesktop final : public Desktop {
public:
    std::string calls;

    bool startBrowser(const BrowserProgram& program, const std::string& address) override {
        calls += "start;";
        return Desktop::startBrowser(program, address);
    }
    void processEvents() override { calls += "events;"; }
    void focusMainWindow() override { calls += "focus;"; }
    void showMessage(const std::string& text) override { calls += "message " + text + ";"; }
};

std::string clickLink(const std::string& address) {
    StartingDesktop window;
    try {
        openUrl(address, window);
    } catch (const runtime::RuntimeError& error) {
        return window.calls + "error " + std::to_string(error.number());
    }
    return window.calls;
}

// Every stand-in a row may set up, the wrong ones included: "a" is where the
// path of an xdg-open in the folder a"b was once cut off, and the program in
// the current folder named after the address is what sh ran when it was
// handed the address instead of a browser; here/ is a current folder that is
// not on PATH.
const char* const standIns[] = {"xdg-open",      "a\"b/xdg-open", "a",
                                "browser",       "launcher",      "http:/www.marelto.example",
                                "here/xdg-open", "here/browser",  "here/stranger"};

// Each stand-in that ran with what it was given, once the expected one has
// written down its arguments and the others have had time to.
std::string whatRan(const ScratchDesktop& desktop, const std::string& expected) {
    if (!expected.empty()) awaitRecord(desktop.recordOf(expected), testsupport::startPatience);
    std::this_thread::sleep_for(300ms);
    std::string ran;
    for (const std::string name : standIns) {
        if (const auto record = awaitRecord(desktop.recordOf(name), 0ms)) {
            ran += name + ": " + *record;
        }
    }
    return ran;
}

void addBrowser(ScratchDesktop& desktop, const std::string& exec) {
    desktop.addRecorder("browser");
    desktop.addHttpHandler("browser", replaceBin(exec, desktop));
}

struct ClickCase {
    const char* what;
    std::function<void(ScratchDesktop&)> setUp;
    std::string address;
    std::string expectedCalls;
    std::string expectedRun;  // "<stand-in>: <its arguments, one a line>" or nothing

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const ClickCase& row, std::ostream* out) { *out << row.what; }
};

class LinkClick : public testing::TestWithParam<ClickCase> {};

TEST_P(LinkClick, StartsOnlyTheBrowserWithTheAddressAsOneArgument) {
    ScratchDesktop desktop;
    desktop.addRecorder("http:/www.marelto.example");
    GetParam().setUp(desktop);
    const std::string address = GetParam().address;

    EXPECT_EQ(desktop.runInside([&address] { return clickLink(address); }),
              GetParam().expectedCalls);
    const std::string& expected = GetParam().expectedRun;
    EXPECT_EQ(whatRan(desktop, expected.substr(0, expected.find(':'))), expected);
}

constexpr const char* started = "start;events;focus;";
constexpr const char* toldNoBrowser = "message Unable to open URL. Install browser first!;";

INSTANTIATE_TEST_SUITE_P(
    ScratchHome, LinkClick,
    testing::Values(
        ClickCase{"xdg-open on PATH",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.addRecorder("xdg-open");
                  },
                  address, started, "xdg-open: http://www.marelto.example\n"},
        ClickCase{"xdg-open in a folder whose name holds a quote",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.addPathFolder("a\"b");
                      d.addRecorder("a\"b/xdg-open");
                      d.addRecorder("a");
                  },
                  address, started, "a\"b/xdg-open: http://www.marelto.example\n"},
        ClickCase{"xdg-open in the current folder with PATH ending in a colon",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.spellPath("{path}:", "here");
                      d.addRecorder("here/xdg-open");
                  },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{"xdg-open in the current folder with PATH starting with a colon",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.spellPath(":{path}", "here");
                      d.addRecorder("here/xdg-open");
                  },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{"xdg-open in the current folder with a dot on PATH",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.spellPath(".:{path}", "here");
                      d.addRecorder("here/xdg-open");
                  },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{"a handler named without a folder is not taken from the current folder",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "browser");
                      d.spellPath(":{path}", "here");
                      d.addRecorder("here/browser");
                  },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{"a handler found only in the current folder is no browser",
                  [](ScratchDesktop& d) {
                      d.addHttpHandler("stranger", "stranger");
                      d.spellPath("{path}:", "here");
                      d.addRecorder("here/stranger");
                  },
                  address, toldNoBrowser, ""},
        ClickCase{"without xdg-open a plain handler",
                  [](ScratchDesktop& d) { addBrowser(d, "{bin}/browser"); }, address, started,
                  "browser: http://www.marelto.example\n"},
        ClickCase{"without xdg-open a handler run by sh -c",
                  [](ScratchDesktop& d) { addBrowser(d, "/bin/sh -c '{bin}/browser \"$1\"' sh"); },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{"without xdg-open a handler run by env",
                  [](ScratchDesktop& d) { addBrowser(d, "/usr/bin/env VAR=1 {bin}/browser"); },
                  address, started, "browser: http://www.marelto.example\n"},
        ClickCase{
            "without xdg-open a sandbox launcher",
            [](ScratchDesktop& d) {
                d.addRecorder("launcher");
                d.addHttpHandler("sandboxed", replaceBin("{bin}/launcher run --branch=stable "
                                                         "org.example.Browser",
                                                         d));
            },
            address, started,
            "launcher: run\n--branch=stable\norg.example.Browser\nhttp://www.marelto.example\n"},
        ClickCase{"address with a quote and blanks is encoded",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.addRecorder("xdg-open");
                  },
                  "http://a.example/x y\"z --new", started,
                  "xdg-open: http://a.example/x%20y%22z%20--new\n"},
        ClickCase{"address that is not http",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.addRecorder("xdg-open");
                  },
                  "file:///etc/passwd", toldNoBrowser, ""},
        ClickCase{"no handler", [](ScratchDesktop& d) { d.addRecorder("xdg-open"); }, address,
                  toldNoBrowser, ""},
        ClickCase{"xdg-open that cannot start",
                  [](ScratchDesktop& d) {
                      addBrowser(d, "{bin}/browser");
                      d.addScript("xdg-open", "/nonexistent/interpreter", "");
                  },
                  address, "start;error 53", ""}),
    [](const testing::TestParamInfo<ClickCase>& info) { return testName(info.param.what); });

}  // namespace
}  // namespace regApi
