#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "memory_registry.hpp"
#include "regApi/registry.hpp"
#include "registry_value_cases.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using testsupport::dword;
using testsupport::MemoryRegistry;
using testsupport::registryValueCases;
using testsupport::testName;
using testsupport::ValueCase;
using testsupport::WatchedRegistry;

constexpr const char* testKey = "Software\\MareltoTest";

class EnumRegValuesCases : public testing::TestWithParam<ValueCase> {};

TEST_P(EnumRegValuesCases, ReadsTheValuesInEnumerationOrder) {
    WatchedRegistry registry;
    registry.keys.createKey(currentUser, testKey);
    for (const auto& value : GetParam().stored) registry.keys.setValue(currentUser, testKey, value);

    EXPECT_EQ(enumRegValues(registry, currentUser, testKey), GetParam().expected);
    EXPECT_EQ(registry.openKeyCount(), 0u) << "the opened key must be closed";
}

INSTANTIATE_TEST_SUITE_P(MemoryRegistry, EnumRegValuesCases,
                         testing::ValuesIn(registryValueCases()),
                         [](const testing::TestParamInfo<ValueCase>& info) {
                             return testName(info.param.what);
                         });

TEST(EnumRegValues, PassesOptionsZeroAndReadAccessWithThePath) {
    WatchedRegistry registry;
    registry.keys.createKey(classesRoot, "http\\shell\\open\\command");
    enumRegValues(registry, classesRoot, "HTTP\\Shell\\Open\\Command");
    EXPECT_EQ(registry.lastOpenRequest().root, classesRoot);
    EXPECT_EQ(registry.lastOpenRequest().path, "HTTP\\Shell\\Open\\Command");
    EXPECT_EQ(registry.lastOpenRequest().options, 0u);
    EXPECT_EQ(registry.lastOpenRequest().access, 0x20019u);
}

TEST(EnumRegValues, MissingSubkeyGivesTheEmptyTableAndClosesNothing) {
    WatchedRegistry registry;
    registry.keys.setValue(currentUser, "Software\\Other", dword("x", 1));
    EXPECT_TRUE(enumRegValues(registry, currentUser, "Software\\Missing").empty());
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST(EnumRegValues, EmptyPathReadsTheGivenHandleAndLeavesItOpen) {
    WatchedRegistry registry;
    registry.keys.setValue(currentUser, "Software\\Parent", dword("first", 1));
    registry.keys.setValue(currentUser, "Software\\Parent", dword("second", 2));
    KeyHandle parent = 0;
    ASSERT_EQ(registry.openKey(currentUser, "Software\\Parent", 0, accessKeyRead, parent),
              resultSuccess);

    const ValueTable table = enumRegValues(registry, parent, "");

    EXPECT_EQ(table, (ValueTable{{"first", 1, typeDword}, {"second", 2, typeDword}}));
    EXPECT_EQ(registry.openKeyCount(), 1u);
    EXPECT_EQ(registry.closeKey(parent), resultSuccess) << "the caller's handle must stay open";
}

TEST(EnumRegValues, EmptyPathReadsAPredefinedRootItself) {
    MemoryRegistry registry;
    registry.setValue(currentUser, "", dword("atRoot", 5));
    registry.setValue(currentUser, "Software", dword("below", 6));
    EXPECT_EQ(enumRegValues(registry, currentUser, ""), (ValueTable{{"atRoot", 5, typeDword}}));
}

TEST(EnumRegValues, SubkeyPathIsRelativeToAnOpenedKey) {
    WatchedRegistry registry;
    registry.keys.setValue(currentUser, "Software\\Parent\\Child", dword("c", 3));
    KeyHandle parent = 0;
    ASSERT_EQ(registry.openKey(currentUser, "Software\\Parent", 0, accessKeyRead, parent),
              resultSuccess);
    EXPECT_EQ(enumRegValues(registry, parent, "Child"), (ValueTable{{"c", 3, typeDword}}));
    EXPECT_EQ(registry.openKeyCount(), 1u);
}

// An endless key: every index answers, so only the index limit ends the
// reading.
class EndlessKey final : public RegistryAccess {
public:
    std::uint32_t highestIndexAsked = 0;

    RegResult openKey(KeyHandle, const std::string&, std::uint32_t, std::uint32_t,
                      KeyHandle& opened) override {
        opened = 1;
        return resultSuccess;
    }
    RegResult enumValue(KeyHandle, std::uint32_t index, char* name, std::uint32_t& nameLength,
                        RegType& type, std::uint8_t* data, std::uint32_t& dataLength) override {
        highestIndexAsked = index;
        name[0] = '\0';
        nameLength = 0;
        type = typeDword;
        for (int i = 0; i < 4; ++i) data[i] = std::uint8_t(index >> (8 * i));
        dataLength = 4;
        return resultSuccess;
    }
    RegResult closeKey(KeyHandle) override { return resultSuccess; }
};

TEST(EnumRegValues, ReadingEndsAfterIndex999999) {
    EndlessKey registry;
    const ValueTable table = enumRegValues(registry, currentUser, "Endless");
    ASSERT_EQ(table.size(), 1000000u);
    EXPECT_EQ(registry.highestIndexAsked, 999999u);
    EXPECT_EQ(table.back(), (RegValue{"", 999999, typeDword}));
}

}  // namespace
}  // namespace regApi
