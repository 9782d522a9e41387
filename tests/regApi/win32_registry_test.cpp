// The value reading and the browser lookup against the real Windows registry
// calls (run under Wine in CI). Every test writes below its own key under
// HKEY_CURRENT_USER and removes it again.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "regApi/browser_command.hpp"
#include "regApi/enum_reg_values.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* testRoot = "Software\\MareltoRegApiTest";

KeyHandle handleOf(HKEY key) {
    return reinterpret_cast<KeyHandle>(key);
}

std::string numbered(const char* prefix, std::size_t number) {
    std::string name(prefix);
    if (number < 100) name += '0';
    if (number < 10) name += '0';
    name += std::to_string(number);
    return name;
}

// A value as written with RegSetValueExA, data passed byte for byte.
struct Written {
    std::string name;
    DWORD type;
    Bytes data;
};

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Written dword(std::string name, std::uint32_t value) {
    return {std::move(name), REG_DWORD,
            Bytes{std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                  std::uint8_t(value >> 24)}};
}

class Win32RegistryTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, testRoot); }

    void TearDown() override {
        for (HKEY key : created_) RegCloseKey(key);
        EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, testRoot), ERROR_SUCCESS);
        HKEY gone = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, testRoot, 0, KEY_READ, &gone),
                  ERROR_FILE_NOT_FOUND)
            << "the test keys must be removed";
    }

    // The key testRoot\sub, created for writing; closed at the end of the test.
    HKEY createKey(const std::string& sub) {
        HKEY key = nullptr;
        const std::string path = std::string(testRoot) + "\\" + sub;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        created_.push_back(key);
        return key;
    }

    void write(HKEY key, const Written& value) {
        ASSERT_EQ(RegSetValueExA(key, value.name.c_str(), 0, value.type, value.data.data(),
                                 static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS)
            << value.name.size() << "-character name";
    }

    static std::string pathOf(const std::string& sub) { return std::string(testRoot) + "\\" + sub; }

private:
    std::vector<HKEY> created_;
};

struct Win32Case {
    const char* what;
    std::vector<Written> written;  // names in alphabetical order: Wine enumerates them sorted
    ValueTable expected;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const Win32Case& row, std::ostream* out) { *out << row.what; }
};

class Win32ValueCases : public Win32RegistryTest,
                        public testing::WithParamInterface<Win32Case> {};

TEST_P(Win32ValueCases, ReadsTheValuesInEnumerationOrder) {
    HKEY key = createKey("Case");
    for (const auto& value : GetParam().written) write(key, value);
    EXPECT_EQ(enumRegValues(currentUser, pathOf("Case")), GetParam().expected);
}

const std::string name259 = "b" + std::string(258, 'n');
const std::string name260 = "b" + std::string(259, 'n');

INSTANTIATE_TEST_SUITE_P(
    Registry, Win32ValueCases,
    testing::Values(
        Win32Case{"only the unnamed default value",
                  {{"", REG_SZ, bytesOf(std::string_view("cmd\0", 4))}},
                  {{"", std::string("cmd")}}},
        Win32Case{"string of 10 characters and terminator",
                  {{"s", REG_SZ, bytesOf(std::string_view("abcdefghij\0", 11))}},
                  {{"s", std::string("abcdefghij")}}},
        Win32Case{"string stored without terminator loses its last character",
                  {{"s", REG_SZ, bytesOf("abcdefghij")}},
                  {{"s", std::string("abcdefghi")}}},
        Win32Case{"32-bit value with all bits set", {dword("d", 0xFFFFFFFFu)}, {{"d", -1}}},
        Win32Case{"32-bit value is little-endian", {dword("d", 0x01020304u)}, {{"d", 0x01020304}}},
        Win32Case{"expandable string comes back as raw bytes with its terminator",
                  {{"e", REG_EXPAND_SZ, bytesOf(std::string_view("%TEMP%\\x\0", 9))}},
                  {{"e", bytesOf(std::string_view("%TEMP%\\x\0", 9))}}},
        Win32Case{"binary and multi-string as raw bytes",
                  {{"b", REG_BINARY, Bytes{0, 255, 7}},
                   {"m", REG_MULTI_SZ, bytesOf(std::string_view("a\0b\0\0", 5))}},
                  {{"b", Bytes{0, 255, 7}}, {"m", bytesOf(std::string_view("a\0b\0\0", 5))}}},
        Win32Case{"name of 259 characters is read",
                  {dword("a", 1), dword(name259, 2), dword("c", 3)},
                  {{"a", 1}, {name259, 2}, {"c", 3}}},
        Win32Case{"name of 260 characters ends the reading",
                  {dword("a", 1), dword(name260, 2), dword("c", 3)},
                  {{"a", 1}}},
        Win32Case{"data of 4096 bytes is read",
                  {dword("a", 1), {"big", REG_BINARY, Bytes(4096, 0xAB)}, dword("c", 3)},
                  {{"a", 1}, {"big", Bytes(4096, 0xAB)}, {"c", 3}}},
        Win32Case{"data of 5000 bytes ends the reading",
                  {dword("a", 1), {"big", REG_BINARY, Bytes(5000, 1)}, dword("c", 3)},
                  {{"a", 1}}},
        Win32Case{"key without values", {}, {}}),
    [](const testing::TestParamInfo<Win32Case>& info) { return testName(info.param.what); });

TEST_F(Win32RegistryTest, ReadsAKeyOfOneHundredFiftyValuesPastTheFirstBlockOfRows) {
    HKEY key = createKey("Many");
    for (std::uint32_t i = 0; i < 150; ++i) write(key, dword(numbered("v", i), i));
    const ValueTable table = enumRegValues(currentUser, pathOf("Many"));
    ASSERT_EQ(table.size(), 150u);
    for (std::uint32_t i = 0; i < 150; ++i) {
        EXPECT_EQ(table[i], (RegValue{numbered("v", i), std::int32_t(i)})) << i;
    }
}

TEST_F(Win32RegistryTest, EmptyPathReadsTheGivenHandleAndLeavesItOpen) {
    HKEY written = createKey("Own");
    write(written, dword("first", 1));
    write(written, dword("second", 2));
    HKEY own = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, pathOf("Own").c_str(), 0, KEY_READ, &own),
              ERROR_SUCCESS);

    EXPECT_EQ(enumRegValues(handleOf(own), ""), (ValueTable{{"first", 1}, {"second", 2}}));

    DWORD valueCount = 0;
    EXPECT_EQ(RegQueryInfoKeyA(own, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &valueCount, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS)
        << "the handle must still be open";
    EXPECT_EQ(valueCount, 2u);
    EXPECT_EQ(RegCloseKey(own), ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, SubkeyPathIsRelativeToAnOpenedKey) {
    write(createKey("Parent\\Child"), dword("c", 3));
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, pathOf("Parent").c_str(), 0, KEY_READ, &parent),
              ERROR_SUCCESS);
    EXPECT_EQ(enumRegValues(handleOf(parent), "Child"), (ValueTable{{"c", 3}}));
    EXPECT_EQ(RegCloseKey(parent), ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, MissingSubkeyGivesTheEmptyTable) {
    createKey("Present");
    EXPECT_TRUE(enumRegValues(currentUser, pathOf("Missing")).empty());
    EXPECT_TRUE(enumRegValues(currentUser, pathOf("Present\\Missing")).empty());
}

TEST_F(Win32RegistryTest, NamesAndStringsComeBackFromTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page 1252, have " << GetACP();
    HKEY key = createKey("Ansi");
    const std::string name = "Gr\xF6\xDF" "e";  // "Größe" in code page 1252
    write(key, {name, REG_SZ, bytesOf(std::string_view("M\xFCll\xE4r\0", 7))});  // "Müllär"
    write(createKey("Gr\xFC" "n"), dword("x", 9));

    EXPECT_EQ(enumRegValues(currentUser, pathOf("Ansi")),
              (ValueTable{{"Größe", std::string("Müllär")}}));
    EXPECT_EQ(enumRegValues(currentUser, pathOf("Grün")), (ValueTable{{"x", 9}}))
        << "the subkey path goes to the registry in the code page";
}

TEST(Win32BrowserCommand, FindsWinesOwnHttpRegistration) {
    char registered[4096] = {};
    DWORD size = sizeof registered;
    ASSERT_EQ(RegGetValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr,
                           RRF_RT_REG_SZ, nullptr, registered, &size),
              ERROR_SUCCESS)
        << "Wine registers a browser for http";
    const std::string raw(registered);

    const std::string command = getBrowserCommand();

    ASSERT_GE(command.size(), 2u) << "registered: " << raw;
    EXPECT_EQ(command.front(), '"');
    EXPECT_EQ(command.back(), '"');
    EXPECT_EQ(raw.rfind(command, 0), 0u) << "a prefix of " << raw;
    std::string lower = command;
    CharLowerA(lower.data());
    EXPECT_NE(lower.find("winebrowser.exe"), std::string::npos) << command;
    const std::string program = command.substr(1, command.size() - 2);
    EXPECT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES)
        << program << " must exist";
}

}  // namespace
}  // namespace regApi
