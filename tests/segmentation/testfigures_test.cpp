// The typing test's figures: judging, the typing status, keystroke groups, the clock, the limit and
// the rates.
#include "platform/gbk.h"
#include "segmentation/core/testfigures.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

TEST(TypedCharacter, MatchesOnlyTheSameTwoBytes)
{
    const QByteArray zhong = platform::gbk::encode(u"中");
    const quint32 code = quint32(uchar(zhong[0])) << 8 | uchar(zhong[1]);
    EXPECT_TRUE(typedCharacterMatches(code, zhong[0], zhong[1]));
    EXPECT_FALSE(typedCharacterMatches(code + 1, zhong[0], zhong[1]));
    // A single-byte character forms an empty string.
    EXPECT_FALSE(typedCharacterMatches(quint32(uchar(zhong[1])), '\0', zhong[1]));
}

TEST(TypingStatus, StartsFromThePatternAndCountsTheCorrectCharacters)
{
    EXPECT_EQ(initialTypingStatus("0011", 4), "0011");
    EXPECT_EQ(initialTypingStatus("001100", 4), "0011");
    EXPECT_EQ(initialTypingStatus("01", 4), "0100"); // never read past a short pattern
    EXPECT_EQ(correctCharacters("2322102", 7), 4);
    EXPECT_EQ(correctCharacters("2322102", 3), 2);
}

TEST(TypingStatus, DigitsChooseTheirColours)
{
    EXPECT_EQ(colorOfDigit('0'), DigitColor::Alternate1);
    EXPECT_EQ(colorOfDigit('1'), DigitColor::Alternate2);
    EXPECT_EQ(colorOfDigit('2'), DigitColor::Correct);
    EXPECT_EQ(colorOfDigit('3'), DigitColor::Wrong);
    EXPECT_EQ(colorOfDigit('4'), DigitColor::ShortCode);
    EXPECT_EQ(colorOfDigit('5'), DigitColor::Unchanged);
    EXPECT_EQ(colorOfDigit('\0'), DigitColor::Unchanged);
}

TEST(KeystrokeGap, CountsTheTimeOfDayInUnsignedArithmetic)
{
    EXPECT_EQ(keystrokeGap(QTime(10, 0, 0, 0), QTime(10, 0, 0, 399)), 399u);
    EXPECT_EQ(keystrokeGap(QTime(10, 0, 59, 900), QTime(10, 1, 0, 300)), 400u);
    // Past midnight the difference wraps: a long gap.
    EXPECT_GE(keystrokeGap(QTime(23, 59, 59, 900), QTime(0, 0, 0, 100)), kKeystrokeGroupGapMs);
    // The first character of all: nothing typed before.
    EXPECT_EQ(keystrokeGap(QTime(), QTime(0, 0, 0, 250)), 250u);
}

TEST(KeystrokeGroupsTest, CharactersBelowFourHundredMillisecondsApartShareAGroup)
{
    KeystrokeGroups groups;
    groups.typed(5000); // opens the first group; the empty one before counts nothing
    groups.typed(399);
    EXPECT_EQ(groups, (KeystrokeGroups{2, 0, 0, 0, 0, 0}));
    groups.typed(400); // closes the group of two
    EXPECT_EQ(groups, (KeystrokeGroups{1, 0, 1, 0, 0, 0}));
    groups.typed(1000);
    EXPECT_EQ(groups, (KeystrokeGroups{1, 1, 1, 0, 0, 0}));
}

TEST(KeystrokeGroupsTest, EachLengthHasItsCounterAndLongGroupsShareOne)
{
    KeystrokeGroups groups;
    for (int length : {3, 4, 5, 9}) {
        groups.typed(400);
        for (int i = 1; i < length; ++i)
            groups.typed(100);
    }
    groups.countOpen();
    EXPECT_EQ(groups, (KeystrokeGroups{9, 0, 0, 1, 1, 2}));
}

struct ClockCase
{
    qint64 seconds;
    const char* text;
};

using ClockTextTest = ::testing::TestWithParam<ClockCase>;

TEST_P(ClockTextTest, ShowsHoursMinutesAndSecondsInTwoDigits)
{
    EXPECT_EQ(clockText(GetParam().seconds), QLatin1String(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Seconds, ClockTextTest,
                         ::testing::Values(ClockCase{0, "00:00:00"}, ClockCase{1, "00:00:01"},
                                           ClockCase{179, "00:02:59"}, ClockCase{3599, "00:59:59"},
                                           ClockCase{36000, "10:00:00"}, ClockCase{359999, "99:59:59"},
                                           ClockCase{360000, "99:00:00"}, ClockCase{400000, "99:06:40"}));

TEST(TimeLimit, EndsTheTestExactlyAtTheLimit)
{
    EXPECT_FALSE(timeLimitReached(179, true, 3));
    EXPECT_TRUE(timeLimitReached(180, true, 3));
    EXPECT_FALSE(timeLimitReached(180, false, 3));
    // A limit lowered below the time already run is never reached.
    EXPECT_FALSE(timeLimitReached(301, true, 5));
}

TEST(Rates, AreTruncatedQuotientsAndZeroWithoutADivisor)
{
    EXPECT_EQ(computeRates(10, 7, 30), (TestRates{20, 70, 14}));
    EXPECT_EQ(computeRates(7, 5, 7), (TestRates{60, 71, 42}));
    EXPECT_EQ(computeRates(3, 0, 100), (TestRates{1, 0, 0}));
    EXPECT_EQ(computeRates(0, 0, 0), (TestRates{0, 0, 0}));
}

} // namespace
