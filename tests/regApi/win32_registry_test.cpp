// The value reading and the browser lookup against the real Windows registry
// calls (run under Wine in CI). Every test writes below its own key under
// HKEY_CURRENT_USER and removes it again.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "regApi/browser_command.hpp"
#include "regApi/registry.hpp"
#include "registry_value_cases.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testsupport::Bytes;
using testsupport::bytesOf;
using testsupport::dword;
using testsupport::registryValueCases;
using testsupport::StoredValue;
using testsupport::testName;
using testsupport::ValueCase;

constexpr const char* testRoot = "Software\\MareltoRegApiTest";

KeyHandle handleOf(HKEY key) { return reinterpret_cast<KeyHandle>(key); }

ValueTable systemValues(KeyHandle root, const std::string& subkeyPath) {
    return enumRegValues(*makeSystemRegistry(), root, subkeyPath);
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

    // Data byte for byte as RegSetValueExA takes it. For string types the
    // call peeks at the byte after the data and counts a zero found there as
    // a forgotten terminator, so a guard byte follows the data.
    void write(HKEY key, const StoredValue& value) {
        Bytes guarded = value.data;
        guarded.push_back(0xFF);
        ASSERT_EQ(RegSetValueExA(key, value.name.c_str(), 0, value.type, guarded.data(),
                                 static_cast<DWORD>(value.data.size())),
                  ERROR_SUCCESS)
            << value.name.size() << "-character name";
    }

    static std::string pathOf(const std::string& sub) { return std::string(testRoot) + "\\" + sub; }

private:
    std::vector<HKEY> created_;
};

class Win32ValueCases : public Win32RegistryTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(Win32ValueCases, ReadsTheValuesInEnumerationOrder) {
    HKEY key = createKey("Case");
    for (const auto& value : GetParam().stored) write(key, value);
    EXPECT_EQ(systemValues(currentUser, pathOf("Case")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Registry, Win32ValueCases, testing::ValuesIn(registryValueCases()),
                         [](const testing::TestParamInfo<ValueCase>& info) {
                             return testName(info.param.what);
                         });

TEST_F(Win32RegistryTest, EmptyPathReadsTheGivenHandleAndLeavesItOpen) {
    HKEY written = createKey("Own");
    write(written, dword("first", 1));
    write(written, dword("second", 2));
    HKEY own = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, pathOf("Own").c_str(), 0, KEY_READ, &own),
              ERROR_SUCCESS);

    EXPECT_EQ(systemValues(handleOf(own), ""),
              (ValueTable{{"first", 1, typeDword}, {"second", 2, typeDword}}));

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
    EXPECT_EQ(systemValues(handleOf(parent), "Child"), (ValueTable{{"c", 3, typeDword}}));
    EXPECT_EQ(RegCloseKey(parent), ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, MissingSubkeyGivesTheEmptyTable) {
    createKey("Present");
    EXPECT_TRUE(systemValues(currentUser, pathOf("Missing")).empty());
    EXPECT_TRUE(systemValues(currentUser, pathOf("Present\\Missing")).empty());
}

TEST_F(Win32RegistryTest, NamesAndStringsComeBackFromTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page 1252, have " << GetACP();
    HKEY key = createKey("Ansi");
    const std::string name =
        "Gr\xF6\xDF"
        "e";  // "Größe" in code page 1252
    write(key, {name, REG_SZ, bytesOf(std::string_view("M\xFCll\xE4r\0", 7))});  // "Müllär"
    write(createKey("Gr\xFC"
                    "n"),
          dword("x", 9));

    EXPECT_EQ(systemValues(currentUser, pathOf("Ansi")),
              (ValueTable{{"Größe", std::string("Müllär"), typeString}}));
    EXPECT_EQ(systemValues(currentUser, pathOf("Grün")), (ValueTable{{"x", 9, typeDword}}))
        << "the subkey path goes to the registry in the code page";
}

TEST(Win32BrowserCommand, FindsWinesOwnHttpRegistration) {
    char registered[4096] = {};
    DWORD size = sizeof registered;
    ASSERT_EQ(RegGetValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr, RRF_RT_REG_SZ,
                           nullptr, registered, &size),
              ERROR_SUCCESS)
        << "Wine registers a browser for http";
    const std::string raw(registered);

    const auto browser = getBrowserCommand();

    ASSERT_TRUE(browser) << "registered: " << raw;
    EXPECT_EQ(browser->kind, BrowserProgram::Kind::file);
    std::string lower = browser->path;
    CharLowerA(lower.data());
    EXPECT_NE(lower.find("winebrowser.exe"), std::string::npos) << browser->path;
    std::string registeredLower = raw;
    CharLowerA(registeredLower.data());
    EXPECT_NE(registeredLower.find(lower), std::string::npos) << "named in " << raw;
    EXPECT_NE(GetFileAttributesA(browser->path.c_str()), INVALID_FILE_ATTRIBUTES)
        << browser->path << " must exist";
}

}  // namespace
}  // namespace regApi
