// The export's text: the separator between words only, the preview's line ends, the file name, and
// what a text-mode write puts on the disk.
#include "platform/gbk.h"
#include "segmentation/core/articleexport.h"
#include "segmentation/core/textfile.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

const QByteArray kText = platform::gbk::encode(u"春风吹绿了江南");
const QByteArray kPattern = "0010011"; // 春风 吹 绿了 江南

QByteArray gbk(const char16_t* text)
{
    return platform::gbk::encode(QStringView(text));
}

TEST(ArticleExportTest, TheSeparatorStandsBetweenWordsAndNowhereElse)
{
    EXPECT_EQ(segmentedText(kText, kPattern, 7, "  "), gbk(u"春风  吹  绿了  江南"));
    EXPECT_EQ(segmentedText(kText, kPattern, 7, "\n"), gbk(u"春风\n吹\n绿了\n江南"));
    EXPECT_EQ(segmentedText(kText, kPattern, 7, gbk(u"．")), gbk(u"春风．吹．绿了．江南"));
}

TEST(ArticleExportTest, OnlyTheCountedCharactersThatTextAndPatternBothHoldAreTaken)
{
    EXPECT_EQ(segmentedText(kText, kPattern, 3, " "), gbk(u"春风 吹"));
    EXPECT_EQ(segmentedText(kText, kPattern, 99, " "), gbk(u"春风 吹 绿了 江南"));
    EXPECT_EQ(segmentedText(kText, "00", 7, " "), gbk(u"春风"));
    EXPECT_EQ(segmentedText(kText, kPattern, 0, " "), QByteArray());
    EXPECT_EQ(segmentedText(kText, kPattern, -1, " "), QByteArray());
}

TEST(ArticleExportTest, APreviewShowsANewlineAsCrLf)
{
    EXPECT_EQ(previewSeparator("\n"), "\r\n");
    EXPECT_EQ(previewSeparator("\t"), "\t");
    EXPECT_EQ(previewSeparator("  "), "  ");
    EXPECT_EQ(previewSeparator("a\n"), "a\n");
}

TEST(ArticleExportTest, TheExtensionIsAppendedInEveryCase)
{
    EXPECT_EQ(exportFilePath(QStringLiteral("a")), QStringLiteral("a.txt"));
    EXPECT_EQ(exportFilePath(QStringLiteral("a.txt")), QStringLiteral("a.txt.txt"));
}

TEST(TextFileTest, ATextModeWriteTurnsEveryLfIntoCrLf)
{
    EXPECT_EQ(textModeBytes("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(textModeBytes("\t  "), "\t  ");
}

} // namespace
