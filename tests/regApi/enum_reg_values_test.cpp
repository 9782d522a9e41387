#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "regApi/enum_reg_values.hpp"
#include "regApi/memory_registry.hpp"
#include "regApi/value_table_builder.hpp"
#include "test_name.hpp"

namespace regApi {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Stored = MemoryRegistry::StoredValue;

constexpr const char* testKey = "Software\\MareltoTest";

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

// Names like "v7"; built by appending, which keeps GCC 12 from a false
// -Wrestrict alarm on literal + string.
std::string numbered(const char* prefix, std::size_t number) {
    std::string name(prefix);
    name += std::to_string(number);
    return name;
}

Stored dword(std::string name, std::uint32_t value) {
    return {std::move(name), typeDword,
            Bytes{std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                  std::uint8_t(value >> 24)}};
}

struct EnumCase {
    const char* what;
    std::vector<Stored> stored;
    ValueTable expected;

    // Failure messages name the row instead of dumping its bytes.
    friend void PrintTo(const EnumCase& row, std::ostream* out) { *out << row.what; }
};

class EnumRegValuesCases : public testing::TestWithParam<EnumCase> {};

TEST_P(EnumRegValuesCases, ReadsTheValuesInEnumerationOrder) {
    MemoryRegistry registry;
    registry.createKey(currentUser, testKey);
    for (const auto& value : GetParam().stored) registry.setValue(currentUser, testKey, value);

    EXPECT_EQ(enumRegValues(registry, currentUser, testKey), GetParam().expected);
    EXPECT_EQ(registry.openKeyCount(), 0u) << "the opened key must be closed";
}

const std::string name259(259, 'n');
const std::string name260(260, 'n');

INSTANTIATE_TEST_SUITE_P(
    MemoryRegistry, EnumRegValuesCases,
    testing::Values(
        EnumCase{"key without values", {}, {}},
        EnumCase{"only the unnamed default value",
                 {{"", typeString, bytesOf(std::string_view("cmd\0", 4))}},
                 {{"", std::string("cmd")}}},
        EnumCase{"string of 10 characters and terminator",
                 {{"s", typeString, bytesOf(std::string_view("abcdefghij\0", 11))}},
                 {{"s", std::string("abcdefghij")}}},
        EnumCase{"string stored without terminator loses its last character",
                 {{"s", typeString, bytesOf("abcdefghij")}},
                 {{"s", std::string("abcdefghi")}}},
        EnumCase{"string of length zero", {{"s", typeString, {}}}, {{"s", std::string()}}},
        EnumCase{"32-bit value with all bits set", {dword("d", 0xFFFFFFFFu)}, {{"d", -1}}},
        EnumCase{"32-bit value is little-endian", {dword("d", 0x01020304u)}, {{"d", 0x01020304}}},
        EnumCase{"expandable string comes back as raw bytes with its terminator",
                 {{"e", typeExpandString, bytesOf(std::string_view("%TEMP%\0", 7))}},
                 {{"e", bytesOf(std::string_view("%TEMP%\0", 7))}}},
        EnumCase{"binary and multi-string as raw bytes",
                 {{"b", typeBinary, Bytes{0, 255, 7}},
                  {"m", typeMultiString, bytesOf(std::string_view("a\0b\0\0", 5))}},
                 {{"b", Bytes{0, 255, 7}}, {"m", bytesOf(std::string_view("a\0b\0\0", 5))}}},
        EnumCase{"empty binary value", {{"b", typeBinary, {}}}, {{"b", Bytes{}}}},
        EnumCase{"name of 259 characters is read",
                 {dword(name259, 1), dword("after", 2)},
                 {{name259, 1}, {"after", 2}}},
        EnumCase{"name of 260 characters ends the reading",
                 {dword("before", 1), dword(name260, 2), dword("after", 3)},
                 {{"before", 1}}},
        EnumCase{"data of 4096 bytes is read",
                 {{"big", typeBinary, Bytes(4096, 0xAB)}, dword("after", 2)},
                 {{"big", Bytes(4096, 0xAB)}, {"after", 2}}},
        EnumCase{"data of 5000 bytes ends the reading",
                 {dword("before", 1), {"big", typeBinary, Bytes(5000, 1)}, dword("after", 3)},
                 {{"before", 1}}},
        EnumCase{"string of 4096 bytes is read",
                 {{"s", typeString, Bytes(4096, 'x')}},
                 {{"s", std::string(4095, 'x')}}}),
    [](const testing::TestParamInfo<EnumCase>& info) { return testName(info.param.what); });

TEST(EnumRegValues, ReadsAKeyWithMoreValuesThanTheFirstBlockOfRows) {
    MemoryRegistry registry;
    for (std::uint32_t i = 0; i < 150; ++i) {
        registry.setValue(currentUser, testKey, dword(numbered("v", i), i));
    }
    const ValueTable table = enumRegValues(registry, currentUser, testKey);
    ASSERT_EQ(table.size(), 150u);
    for (std::uint32_t i = 0; i < 150; ++i) {
        EXPECT_EQ(table[i], (RegValue{numbered("v", i), std::int32_t(i)})) << i;
    }
}

TEST(EnumRegValues, TableGrowsByAHundredRowsPastItsLastRowKeepingItsContent) {
    struct Step {
        std::size_t index;
        std::size_t capacityAfter;
    };
    ValueTableBuilder table;
    EXPECT_EQ(table.capacity(), 101u);
    const Step steps[] = {{0, 101}, {100, 101}, {101, 201}, {200, 201}, {201, 301}, {450, 550}};
    for (const auto& step : steps) {
        table.reserveRow(step.index);
        table.setRow(step.index, {numbered("r", step.index), std::int32_t(step.index)});
        EXPECT_EQ(table.capacity(), step.capacityAfter) << "at index " << step.index;
    }
    const ValueTable finished = std::move(table).finish(202);
    ASSERT_EQ(finished.size(), 202u);
    EXPECT_EQ(finished[100], (RegValue{"r100", 100}));
    EXPECT_EQ(finished[201], (RegValue{"r201", 201}));
    EXPECT_EQ(finished[1], RegValue{});
}

TEST(EnumRegValues, PassesOptionsZeroAndReadAccessWithThePath) {
    MemoryRegistry registry;
    registry.createKey(classesRoot, "http\\shell\\open\\command");
    enumRegValues(registry, classesRoot, "HTTP\\Shell\\Open\\Command");
    EXPECT_EQ(registry.lastOpenRequest().root, classesRoot);
    EXPECT_EQ(registry.lastOpenRequest().path, "HTTP\\Shell\\Open\\Command");
    EXPECT_EQ(registry.lastOpenRequest().options, 0u);
    EXPECT_EQ(registry.lastOpenRequest().access, 0x20019u);
}

TEST(EnumRegValues, MissingSubkeyGivesTheEmptyTableAndClosesNothing) {
    MemoryRegistry registry;
    registry.setValue(currentUser, "Software\\Other", dword("x", 1));
    EXPECT_TRUE(enumRegValues(registry, currentUser, "Software\\Missing").empty());
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST(EnumRegValues, EmptyPathReadsTheGivenHandleAndLeavesItOpen) {
    MemoryRegistry registry;
    registry.setValue(currentUser, "Software\\Parent", dword("first", 1));
    registry.setValue(currentUser, "Software\\Parent", dword("second", 2));
    KeyHandle parent = 0;
    ASSERT_EQ(registry.openKey(currentUser, "Software\\Parent", 0, accessKeyRead, parent),
              resultSuccess);

    const ValueTable table = enumRegValues(registry, parent, "");

    EXPECT_EQ(table, (ValueTable{{"first", 1}, {"second", 2}}));
    EXPECT_EQ(registry.openKeyCount(), 1u);
    EXPECT_EQ(registry.closeKey(parent), resultSuccess) << "the caller's handle must stay open";
}

TEST(EnumRegValues, EmptyPathReadsAPredefinedRootItself) {
    MemoryRegistry registry;
    registry.setValue(currentUser, "", dword("atRoot", 5));
    registry.setValue(currentUser, "Software", dword("below", 6));
    EXPECT_EQ(enumRegValues(registry, currentUser, ""), (ValueTable{{"atRoot", 5}}));
}

TEST(EnumRegValues, SubkeyPathIsRelativeToAnOpenedKey) {
    MemoryRegistry registry;
    registry.setValue(currentUser, "Software\\Parent\\Child", dword("c", 3));
    KeyHandle parent = 0;
    ASSERT_EQ(registry.openKey(currentUser, "Software\\Parent", 0, accessKeyRead, parent),
              resultSuccess);
    EXPECT_EQ(enumRegValues(registry, parent, "Child"), (ValueTable{{"c", 3}}));
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
    EXPECT_EQ(table.back(), (RegValue{"", 999999}));
}

}  // namespace
}  // namespace regApi
