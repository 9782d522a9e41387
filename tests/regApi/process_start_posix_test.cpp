#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "regApi/process_start.hpp"
#include "scratch_desktop.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testing_support::awaitRecord;
using testing_support::ScratchDesktop;
TEST(StartDetachedProcess, PassesTheSplitArgumentsWithoutAShell) {
    ScratchDesktop desktop;
    const auto recorder = desktop.addRecorder("recorder");
    std::string line(1, '"');
    line += recorder.string();
    line += R"(" "two words" $HOME;x *)";
    ASSERT_TRUE(startDetachedProcess(line));
    EXPECT_EQ(awaitRecord(desktop.recordOf("recorder"), testing_support::startPatience),
              "two words\n$HOME;x\n*\n");
}

struct FailingStart {
    const char* what;
    std::string commandLine;  // {bin} stands for the scratch bin folder

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const FailingStart& row, std::ostream* out) { *out << row.what; }
};

class StartDetachedProcessFails : public testing::TestWithParam<FailingStart> {};

TEST_P(StartDetachedProcessFails, ReportsThatNothingStarted) {
    ScratchDesktop desktop;
    desktop.addScript("bad-interpreter", "/nonexistent/interpreter", "");
    desktop.addScript("not-executable", "/bin/sh", "exit 0\n");
    std::filesystem::permissions(desktop.bin() / "not-executable",
                                 std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::remove);
    std::string line = GetParam().commandLine;
    if (const auto at = line.find("{bin}"); at != std::string::npos) {
        line.replace(at, 5, desktop.bin().string());
    }
    EXPECT_FALSE(startDetachedProcess(line)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartDetachedProcessFails,
    testing::Values(FailingStart{"empty line", ""},
                    FailingStart{"blanks only", "   "},
                    FailingStart{"missing program", "\"{bin}/no-such-browser\" http://a"},
                    FailingStart{"program that cannot run", "{bin}/bad-interpreter http://a"},
                    FailingStart{"file without execute permission", "{bin}/not-executable"},
                    FailingStart{"address where the program should be",
                                 " http://www.marelto.example"}),
    [](const testing::TestParamInfo<FailingStart>& info) { return testName(info.param.what); });

}  // namespace
}  // namespace regApi
