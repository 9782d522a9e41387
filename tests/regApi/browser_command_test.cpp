#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "regApi/browser_command.hpp"
#include "regApi/memory_registry.hpp"
#include "test_name.hpp"
#include "watched_registry.hpp"

namespace regApi {
namespace {

struct CutCase {
    std::string registered;
    std::string expected;

    friend void PrintTo(const CutCase& row, std::ostream* out) { *out << row.registered; }
};

class BrowserCommandCut : public testing::TestWithParam<CutCase> {};

TEST_P(BrowserCommandCut, KeepsTextUpToTheFirstQuoteAfterTheFirstCharacter) {
    EXPECT_EQ(cutBrowserCommand(GetParam().registered), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RegisteredCommands, BrowserCommandCut,
    testing::Values(
        // Quoted path with options and placeholder: the path alone.
        CutCase{R"("C:\Program Files\Mozilla Firefox\firefox.exe" -osint -url "%1")",
                R"("C:\Program Files\Mozilla Firefox\firefox.exe")"},
        CutCase{R"("/usr/bin/xdg-open" "%1")", R"("/usr/bin/xdg-open")"},
        // Unquoted path with a quoted placeholder: cut just after that quote.
        CutCase{R"(C:\PROGRA~1\IEXPLORE.EXE -nohome "%1")",
                R"(C:\PROGRA~1\IEXPLORE.EXE -nohome ")"},
        // A leading quote is never the closing one.
        CutCase{R"("a")", R"("a")"},
        CutCase{R"(""x")", R"("")"},
        CutCase{R"(x"y"z)", R"(x")"},
        // No quote after the first character: nothing is left.
        CutCase{R"(C:\browser.exe %1)", ""},
        CutCase{R"("C:\unclosed.exe)", ""},
        CutCase{R"(")", ""},
        CutCase{"", ""}));

struct LookupCase {
    const char* what;
    std::vector<MemoryRegistry::StoredValue> values;  // no entry: the key is missing
    bool keyExists;
    std::string expected;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const LookupCase& row, std::ostream* out) { *out << row.what; }
};

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

class BrowserCommandLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(BrowserCommandLookup, CutsTheFirstValueOfTheWebAddressKey) {
    testing_support::WatchedRegistry registry;
    if (GetParam().keyExists) registry.keys.createKey(classesRoot, browserCommandKeyPath);
    for (const auto& value : GetParam().values) {
        registry.keys.setValue(classesRoot, browserCommandKeyPath, value);
    }
    EXPECT_EQ(getBrowserCommand(registry), GetParam().expected);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    MemoryRegistry, BrowserCommandLookup,
    testing::Values(
        LookupCase{"key missing", {}, false, "Invalid"},
        LookupCase{"key without values", {}, true, "Invalid"},
        LookupCase{"default value with options",
                   {{"", typeString, bytesOf(std::string_view("\"C:\\b.exe\" -new \"%1\"\0", 21))}},
                   true,
                   "\"C:\\b.exe\""},
        LookupCase{"first enumerated value wins over the default",
                   {{"Alt", typeString, bytesOf(std::string_view("\"C:\\alt.exe\"\0", 13))},
                    {"", typeString, bytesOf(std::string_view("\"C:\\def.exe\"\0", 13))}},
                   true,
                   "\"C:\\alt.exe\""},
        LookupCase{"integer value reads as digits without a quote",
                   {{"", typeDword, {0xFF, 0xFF, 0xFF, 0xFF}}},
                   true,
                   ""},
        LookupCase{"expandable string reads its bytes as text",
                   {{"", typeExpandString,
                     bytesOf(std::string_view("\"%ProgramFiles%\\b.exe\" \"%1\"\0", 28))}},
                   true,
                   "\"%ProgramFiles%\\b.exe\""},
        LookupCase{"first value not readable ends the lookup",
                   {{std::string(260, 'n'), typeString, bytesOf(std::string_view("\"x\"\0", 4))}},
                   true,
                   "Invalid"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return testName(info.param.what); });

}  // namespace
}  // namespace regApi
