#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <ostream>
#include <string>
#include <thread>

#include "regApi/process_start.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

std::string systemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

TEST(Win32StartDetachedProcess, HandsTheWholeLineToTheProgram) {
    const auto record = std::filesystem::temp_directory_path() / "marelto-regapi-started.txt";
    std::filesystem::remove(record);
    // Appended piece by piece: GCC 12 gives a false -Wrestrict on literal + string.
    std::string line(1, '"');
    line += systemFolder();
    line += R"(\cmd.exe" /c echo started "with blanks">")";
    line += record.string();
    line += '"';

    ASSERT_TRUE(startDetachedProcess(line)) << line;

    // The redirection creates the file before echo writes to it: only the
    // line's end shows the answer is whole.
    std::string seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!seen.ends_with('\n') && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ostringstream text;
        text << std::ifstream(record).rdbuf();
        seen = text.str();
    }
    EXPECT_EQ(seen.substr(0, seen.find_last_not_of("\r\n ") + 1), "started \"with blanks\"");
    std::error_code ignored;
    std::filesystem::remove(record, ignored);
}

struct FailingStart {
    const char* what;
    std::string commandLine;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const FailingStart& row, std::ostream* out) { *out << row.what; }
};

class Win32StartFails : public testing::TestWithParam<FailingStart> {};

TEST_P(Win32StartFails, ReportsThatNothingStarted) {
    EXPECT_FALSE(startDetachedProcess(GetParam().commandLine)) << GetParam().commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, Win32StartFails,
    testing::Values(FailingStart{"missing program", "\"C:\\no\\such\\browser.exe\" http://a"},
                    FailingStart{"address where the program should be",
                                 " http://www.marelto.example"},
                    FailingStart{"empty line", ""}),
    [](const testing::TestParamInfo<FailingStart>& info) { return testName(info.param.what); });

}  // namespace
}  // namespace regApi
