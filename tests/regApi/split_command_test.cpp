#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "regApi/split_command.hpp"

namespace regApi {
namespace {

struct SplitCase {
    std::string commandLine;
    std::vector<std::string> expected;

    friend void PrintTo(const SplitCase& row, std::ostream* out) { *out << row.commandLine; }
};

class SplitCommand : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommand, SplitsLikeQProcess) {
    EXPECT_EQ(splitCommand(GetParam().commandLine), GetParam().expected);
}

using Args = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    CommandLines, SplitCommand,
    testing::Values(
        SplitCase{R"("/usr/bin/xdg-open" http://www.marelto.example)",
                  Args{"/usr/bin/xdg-open", "http://www.marelto.example"}},
        SplitCase{R"("/opt/My Browser/run" http://a)", Args{"/opt/My Browser/run", "http://a"}},
        SplitCase{"a  \t b\n", Args{"a", "b"}},
        SplitCase{R"(a"b c"d)", Args{"ab cd"}},
        SplitCase{R"(say """hi""")", Args{"say", "\"hi\""}},
        SplitCase{R"("" x)", Args{"x"}},
        SplitCase{R"(C:\path\b.exe -nohome " http://a)",
                  Args{"C:\\path\\b.exe", "-nohome", " http://a"}},
        SplitCase{R"(back\slash\ stays)", Args{"back\\slash\\", "stays"}},
        SplitCase{" http://only-the-address", Args{"http://only-the-address"}},
        SplitCase{"", Args{}},
        SplitCase{"   ", Args{}}));

}  // namespace
}  // namespace regApi
