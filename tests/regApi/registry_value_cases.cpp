#include "registry_value_cases.hpp"

namespace testsupport {

using regApi::typeBinary;
using regApi::typeDword;
using regApi::typeExpandString;
using regApi::typeMultiString;
using regApi::typeString;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

StoredValue dword(std::string name, std::uint32_t value) {
    return {std::move(name), typeDword,
            Bytes{std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                  std::uint8_t(value >> 24)}};
}

// Built by appending, which keeps GCC 12 from a false -Wrestrict alarm on
// literal + string.
std::string numbered(const char* prefix, std::size_t number) {
    std::string name(prefix);
    if (number < 100) name += '0';
    if (number < 10) name += '0';
    name += std::to_string(number);
    return name;
}

namespace {

ValueCase oneHundredFiftyValues() {
    ValueCase manyValues{"150 values", {}, {}};
    for (std::uint32_t i = 0; i < 150; ++i) {
        manyValues.stored.push_back(dword(numbered("v", i), i));
        manyValues.expected.push_back({numbered("v", i), std::int32_t(i), typeDword});
    }
    return manyValues;
}

}  // namespace

const std::vector<ValueCase>& registryValueCases() {
    const std::string name259 = "b" + std::string(258, 'n');
    const std::string name260 = "b" + std::string(259, 'n');
    static const std::vector<ValueCase> cases{
        {"key without values", {}, {}},
        {"only the unnamed default value",
         {{"", typeString, bytesOf(std::string_view("cmd\0", 4))}},
         {{"", std::string("cmd"), typeString}}},
        {"string of 10 characters and terminator",
         {{"s", typeString, bytesOf(std::string_view("abcdefghij\0", 11))}},
         {{"s", std::string("abcdefghij"), typeString}}},
        {"string stored without terminator loses its last character",
         {{"s", typeString, bytesOf("abcdefghij")}},
         {{"s", std::string("abcdefghi"), typeString}}},
        {"string of length zero", {{"s", typeString, {}}}, {{"s", std::string(), typeString}}},
        {"string of 4096 bytes is read",
         {{"s", typeString, Bytes(4096, 'x')}},
         {{"s", std::string(4095, 'x'), typeString}}},
        {"32-bit value with all bits set", {dword("d", 0xFFFFFFFFu)}, {{"d", -1, typeDword}}},
        {"32-bit value is little-endian",
         {dword("d", 0x01020304u)},
         {{"d", 0x01020304, typeDword}}},
        {"expandable string comes back as raw bytes with its terminator",
         {{"e", typeExpandString, bytesOf(std::string_view("%TEMP%\\x\0", 9))}},
         {{"e", bytesOf(std::string_view("%TEMP%\\x\0", 9)), typeExpandString}}},
        {"binary and multi-string as raw bytes",
         {{"b", typeBinary, Bytes{0, 255, 7}},
          {"m", typeMultiString, bytesOf(std::string_view("a\0b\0\0", 5))}},
         {{"b", Bytes{0, 255, 7}, typeBinary},
          {"m", bytesOf(std::string_view("a\0b\0\0", 5)), typeMultiString}}},
        {"empty binary value", {{"b", typeBinary, {}}}, {{"b", Bytes{}, typeBinary}}},
        {"name of 259 characters is read",
         {dword("a", 1), dword(name259, 2), dword("c", 3)},
         {{"a", 1, typeDword}, {name259, 2, typeDword}, {"c", 3, typeDword}}},
        {"name of 260 characters ends the reading",
         {dword("a", 1), dword(name260, 2), dword("c", 3)},
         {{"a", 1, typeDword}}},
        {"data of 4096 bytes is read",
         {dword("a", 1), {"big", typeBinary, Bytes(4096, 0xAB)}, dword("c", 3)},
         {{"a", 1, typeDword}, {"big", Bytes(4096, 0xAB), typeBinary}, {"c", 3, typeDword}}},
        {"data of 5000 bytes ends the reading",
         {dword("a", 1), {"big", typeBinary, Bytes(5000, 1)}, dword("c", 3)},
         {{"a", 1, typeDword}}},
        oneHundredFiftyValues(),
    };
    return cases;
}

}  // namespace testsupport
