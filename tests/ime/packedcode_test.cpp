// Packed decimal codes and the code text of user word fields.
#include "platform/ime/packedcode.h"

#include <gtest/gtest.h>

using platform::ime::decodePackedCode;
using platform::ime::userWordCodeText;

namespace {

struct PackedCase
{
    const char* name;
    unsigned char bytes[3];
    int count;
    const char* digits;
};

class PackedCodeTest : public ::testing::TestWithParam<PackedCase>
{
};

TEST_P(PackedCodeTest, DecodesDigitsUpToTheFirstNibbleAboveNine)
{
    const PackedCase& c = GetParam();
    QByteArray digits("stale");
    EXPECT_EQ(decodePackedCode(c.bytes, &digits), c.count);
    EXPECT_EQ(digits, QByteArray(c.digits));
}

INSTANTIATE_TEST_SUITE_P(Codes, PackedCodeTest,
                         ::testing::Values(PackedCase{"ThreeDigits", {0x12, 0x3F, 0xFF}, 3, "123"},
                                           PackedCase{"OneDigit", {0x9F, 0x00, 0x00}, 1, "9"},
                                           PackedCase{"SixDigits", {0x12, 0x34, 0x56}, 6, "123456"},
                                           PackedCase{"ZerosAreDigits", {0x00, 0x00, 0x00}, 6, "000000"},
                                           PackedCase{"FiveDigits", {0x50, 0x00, 0x0A}, 5, "50000"},
                                           PackedCase{"BadFirstNibble", {0xA0, 0x00, 0x00}, -1, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FieldCase
{
    const char* name;
    unsigned char field[6];
    QByteArray text;
};

class UserWordCodeTextTest : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(UserWordCodeTextTest, TakesHalfTheSumOfTheDecodedCounts)
{
    EXPECT_EQ(userWordCodeText(GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, UserWordCodeTextTest,
    ::testing::Values(
        // ASCII digits padded with zero bytes: both halves decode to six digits, the text stops at the NUL.
        FieldCase{"AsciiDigits", {'5', '0', '0', '0', 0, 0}, QByteArray("5000")},
        FieldCase{"SixAscii", {'1', '2', '3', '4', '5', '6'}, QByteArray("123456")},
        // Halves of 4 and 6 digits give the first 5 bytes.
        FieldCase{"FourAndSix", {0x12, 0x34, 0xFF, 0x12, 0x34, 0x56}, QByteArray("\x12\x34\xFF\x12\x34", 5)},
        FieldCase{"BothHalvesBad", {0xA1, 0xA1, 0xA1, 0xA1, 0xA1, 0xA1}, QByteArray()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
