#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regApi/browser_command.hpp"
#include "regApi/memory_registry.hpp"
#include "regApi/open_url.hpp"
#include "runtime/runtime_error.hpp"

namespace regApi {
namespace {

// Writes down what openUrl asks of the window, in order.
class RecordingDesktop final : public Desktop {
public:
    bool startSucceeds = true;
    std::vector<std::string> calls;

    bool startProcess(const std::string& commandLine) override {
        calls.push_back("start " + commandLine);
        return startSucceeds;
    }
    void processEvents() override { calls.push_back("events"); }
    void focusMainWindow() override { calls.push_back("focus"); }
    void showMessage(const std::string& text) override { calls.push_back("message " + text); }
};

constexpr const char* address = "http://www.marelto.example";

MemoryRegistry registryWith(std::string_view command) {
    MemoryRegistry registry;
    registry.setString(classesRoot, browserCommandKeyPath, "", command);
    return registry;
}

TEST(OpenUrl, StartsTheCutCommandWithTheAddressThenLetsEventsRunAndFocuses) {
    MemoryRegistry registry = registryWith(R"("C:\b.exe" -osint -url "%1")");
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{
                                 R"(start "C:\b.exe" http://www.marelto.example)", "events",
                                 "focus"}));
}

TEST(OpenUrl, CommandCutToNothingStartsTheBlankAndAddress) {
    MemoryRegistry registry = registryWith(R"(C:\b.exe %1)");
    RecordingDesktop desktop;
    desktop.startSucceeds = false;
    EXPECT_THROW(openUrl(address, desktop, registry), runtime::RuntimeError);
    EXPECT_EQ(desktop.calls, std::vector<std::string>{"start  http://www.marelto.example"});
}

TEST(OpenUrl, NoRegisteredCommandShowsTheMessageAndStartsNothing) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    EXPECT_EQ(desktop.calls,
              std::vector<std::string>{"message Unable to open URL. Install browser first!"});
}

TEST(OpenUrl, FailedStartEndsWithErrorFiftyThreeBeforeEventsAndFocus) {
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
    EXPECT_EQ(desktop.calls.size(), 1u);
}

TEST(OpenUrl, ReadsTheRegistryAnewOnEveryCall) {
    MemoryRegistry registry;
    RecordingDesktop desktop;
    openUrl(address, desktop, registry);
    registry.setString(classesRoot, browserCommandKeyPath, "", R"("C:\new.exe" "%1")");
    openUrl(address, desktop, registry);
    ASSERT_EQ(desktop.calls.size(), 4u);
    EXPECT_EQ(desktop.calls[1], R"(start "C:\new.exe" http://www.marelto.example)");
}

}  // namespace
}  // namespace regApi
