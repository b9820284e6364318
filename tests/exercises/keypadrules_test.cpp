// The keypad drill's rules, without a window.
#include "exercises/keypadrules.h"

#include <gtest/gtest.h>

namespace {

using namespace exercises::keypad;

struct SizeCase
{
    const char* text;
    std::optional<int> size;
};

class GroupSizeTest : public ::testing::TestWithParam<SizeCase>
{
};

TEST_P(GroupSizeTest, NumberAtTheStartAboveZeroUpToAHundredRounded)
{
    EXPECT_EQ(groupSize(QString::fromUtf8(GetParam().text)), GetParam().size) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Sizes, GroupSizeTest,
                         ::testing::Values(SizeCase{"10", 10}, SizeCase{"1", 1}, SizeCase{"100", 100},
                                           SizeCase{"12abc", 12}, SizeCase{"2.5", 2}, SizeCase{"3.5", 4},
                                           SizeCase{"0", std::nullopt}, SizeCase{"", std::nullopt},
                                           SizeCase{"abc", std::nullopt}, SizeCase{"101", std::nullopt},
                                           SizeCase{"100.4", std::nullopt}, SizeCase{"-3", std::nullopt},
                                           // would round to an empty group
                                           SizeCase{"0.4", std::nullopt}));

struct KeyCase
{
    int keyCode;
    KeyEffect effect;
};

class KeyEffectTest : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(KeyEffectTest, KeypadKeysTypeSubmitOrPassAndOtherKeysAreRefused)
{
    EXPECT_EQ(keyEffect(GetParam().keyCode), GetParam().effect) << GetParam().keyCode;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyEffectTest,
    ::testing::Values(KeyCase{96, {KeyAction::Type, 0}}, KeyCase{97, {KeyAction::Type, 1}},
                      KeyCase{105, {KeyAction::Type, 9}}, KeyCase{109, {KeyAction::Type, 13}},
                      KeyCase{107, {KeyAction::Type, 14}}, KeyCase{110, {KeyAction::Type, 16}},
                      KeyCase{111, {KeyAction::Submit, 11}}, KeyCase{106, {KeyAction::Submit, 12}},
                      KeyCase{32, {KeyAction::Submit, -1}}, KeyCase{13, {KeyAction::Clear, -1}},
                      KeyCase{144, {KeyAction::Pass, 10}}, KeyCase{8, {KeyAction::Pass, -1}},
                      KeyCase{20, {KeyAction::Pass, -1}}, KeyCase{37, {KeyAction::Pass, -1}},
                      KeyCase{40, {KeyAction::Pass, -1}}, KeyCase{46, {KeyAction::Pass, -1}},
                      KeyCase{145, {KeyAction::Pass, -1}},
                      // the main keyboard's digits, Shift, Ctrl and the keypad's other navigation keys
                      KeyCase{49, {KeyAction::Refuse, -1}}, KeyCase{16, {KeyAction::Refuse, -1}},
                      KeyCase{17, {KeyAction::Refuse, -1}}, KeyCase{35, {KeyAction::Refuse, -1}},
                      KeyCase{36, {KeyAction::Refuse, -1}}, KeyCase{45, {KeyAction::Refuse, -1}},
                      KeyCase{12, {KeyAction::Refuse, -1}}, KeyCase{191, {KeyAction::Refuse, -1}},
                      KeyCase{0, {KeyAction::Refuse, -1}}));

TEST(KeypadPictures, EveryOnScreenKeyHasItsReleasedAndPressedBitmap)
{
    const std::pair<int, int> released[] = {{10, 109}, {1, 111},  {5, 119},  {9, 127},  {11, 129}, {12, 131},
                                            {13, 133}, {14, 135}, {15, 137}, {16, 139}, {0, 141}};
    for (const auto& [key, bitmap] : released) {
        EXPECT_EQ(onScreenKeyBitmap(key, false), bitmap) << key;
        EXPECT_EQ(onScreenKeyBitmap(key, true), bitmap + 1) << key;
    }
}

TEST(KeypadPictures, CapsShowTheCodeAndBlanksAfterIt)
{
    EXPECT_EQ(capBitmaps(QStringLiteral("01289")), (QList<int>{143, 144, 145, 151, 152, 158}));
    EXPECT_EQ(capBitmaps(QStringLiteral("/*-+.5")), (QList<int>{153, 154, 155, 156, 157, 148}));
    EXPECT_EQ(capBitmaps(QStringLiteral("345")), (QList<int>{146, 147, 148, 158, 158, 158}));
    EXPECT_EQ(capBitmaps(QString()), QList<int>(6, 158));
    // Only six keys are shown.
    EXPECT_EQ(capBitmaps(QStringLiteral("1234567")), (QList<int>{144, 145, 146, 147, 148, 149}));
}

TEST(KeypadDraw, NeverTheFirstRowNorTheLastFour)
{
    EXPECT_EQ(drawPosition(0.0f, 60), 1);
    EXPECT_EQ(drawPosition(0.5f, 60), 28);
    EXPECT_EQ(drawPosition(0.9999f, 60), 55);
    EXPECT_EQ(drawPosition(0.9999f, 6), 1);
    // Too small a table for that range draws from every row.
    EXPECT_EQ(drawPosition(0.0f, 5), 0);
    EXPECT_EQ(drawPosition(0.9999f, 5), 4);
    EXPECT_EQ(drawPosition(0.9999f, 1), 0);
}

TEST(KeypadFigures, CountsOnlyExactAnswers)
{
    const QStringList items{QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("45"),
                            QStringLiteral("6")};
    EXPECT_EQ(
        countMatches(items, {QStringLiteral("12"), QStringLiteral("3 "), QString(), QStringLiteral("6")}), 2);
}

TEST(KeypadFigures, ProgressNamesTheSizeAsTypedAndTheCodeFromOne)
{
    EXPECT_EQ(progressText(QStringLiteral("10"), 2), QStringLiteral("共 10 个第 3 个"));
}

TEST(KeypadFigures, AccuracySpeedAndTime)
{
    const Figures shown = figures(7, 10, 144, 5000, 95000);
    EXPECT_EQ(shown.accuracy, QStringLiteral("70%"));
    EXPECT_EQ(shown.keysPerMinute, QStringLiteral("96键/分"));
    EXPECT_EQ(shown.timeUsed, QStringLiteral("1.5分"));
    // Keys per minute are cut, not rounded: 10 keys in 7 seconds.
    EXPECT_EQ(figures(1, 1, 10, 0, 7000).keysPerMinute, QStringLiteral("85键/分"));
}

TEST(KeypadFigures, TickCountWrapAndNoTimeAtAll)
{
    const Figures wrapped = figures(1, 2, 30, 0xFFFFF000u, 0x00001000u); // 8192 ms
    EXPECT_EQ(wrapped.accuracy, QStringLiteral("50%"));
    EXPECT_EQ(wrapped.keysPerMinute, QStringLiteral("219键/分"));
    EXPECT_EQ(wrapped.timeUsed, QStringLiteral("0.1分"));
    const Figures instant = figures(1, 1, 3, 4000, 4000);
    EXPECT_EQ(instant.keysPerMinute, QStringLiteral("0键/分"));
    EXPECT_EQ(instant.timeUsed, QStringLiteral("0.0分"));
}

} // namespace
