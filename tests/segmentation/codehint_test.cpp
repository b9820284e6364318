// The code hint's rule: the longer match wins, and the four texts the status bar shows.
#include "platform/gbk.h"
#include "segmentation/core/codehint.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

const QByteArray kWindow = platform::gbk::encode(u"中国人民");

TEST(CodeHint, TheLongerMatchWinsAndAnEqualOneKeepsTheFirst)
{
    const HintMatch code{4, HintSource::CodeBook, "500601"};
    const HintMatch teacherEqual{4, HintSource::TeacherBook, {}};
    const HintMatch teacherLonger{6, HintSource::TeacherBook, {}};
    const HintMatch customLonger{8, HintSource::CustomBook, "5006"};
    EXPECT_EQ(longerMatch(code, teacherEqual).source, HintSource::CodeBook);
    EXPECT_EQ(longerMatch(code, teacherLonger).source, HintSource::TeacherBook);
    EXPECT_EQ(longerMatch(longerMatch(code, teacherLonger), customLonger).code, "5006");
    // A damaged user book (−10) never wins.
    EXPECT_EQ(longerMatch(HintMatch{}, HintMatch{-10, HintSource::CustomBook, "1"}).source,
              HintSource::CodeBook);
}

TEST(CodeHint, EachSourceHasItsText)
{
    EXPECT_EQ(codeHintText(kWindow, {4, HintSource::CodeBook, "500601"}),
              QStringLiteral("中国 的Talvoren码是 500601"));
    EXPECT_EQ(codeHintText(kWindow, {6, HintSource::TeacherBook, {}}),
              QStringLiteral("中国人 没有Talvoren码"));
    EXPECT_EQ(codeHintText(kWindow, {8, HintSource::CustomBook, "77"}),
              QStringLiteral("中国人民 的自定义码是 77"));
    EXPECT_EQ(codeHintText(kWindow, {0, HintSource::CodeBook, {}}), QStringLiteral("中 没有Talvoren码"));
}

TEST(CodeHint, TheWindowHoldsTheLongestWordOrWhatRemains)
{
    EXPECT_EQ(hintWindowBytes(30, 0, 100), 30);
    EXPECT_EQ(hintWindowBytes(31, 0, 100), 30);
    EXPECT_EQ(hintWindowBytes(30, 99, 100), 2); // the last character alone
    EXPECT_EQ(hintWindowBytes(30, 95, 100), 10);
    EXPECT_EQ(hintWindowBytes(0, 5, 100), 2);
    EXPECT_EQ(hintWindowBytes(30, 100, 100), 0);
}

} // namespace
