// The article test's rules without a window: the 288 rule, the indicator keys, the view following
// the indicator, and what an import keeps of a file.
#include "exercises/articleimport.h"
#include "exercises/articlerules.h"
#include "platform/gbk.h"
#include "platform/wintypes.h"
#include "tests/support/files.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

namespace {

using namespace exercises;

struct MatchCase
{
    const char* name;
    char16_t typed;
    char16_t shown;
    bool matches;
};

class ArticleCharacter : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(ArticleCharacter, CountsWhenEqualOrExactly288ApartReadSigned)
{
    EXPECT_EQ(matchesArticleCharacter(QChar(GetParam().typed), QChar(GetParam().shown)), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Pairs, ArticleCharacter,
                         ::testing::Values(MatchCase{"Same", u'中', u'中', true},
                                           MatchCase{"FullWidthCommaForAscii", 0xFF0C, u',', true},
                                           MatchCase{"AsciiForFullWidthComma", u',', 0xFF0C, true},
                                           MatchCase{"FullWidthLetterForAscii", 0xFF21, u'A', true},
                                           MatchCase{"FullWidthCommaForFullStop", 0xFF0C, 0x3002, false},
                                           MatchCase{"HanPair288Apart", 0x4E00 + 288, 0x4E00, true},
                                           MatchCase{"HanPair288ApartOtherWay", 0x4E00, 0x4E00 + 288, true},
                                           MatchCase{"HanPair287Apart", 0x4E00 + 287, 0x4E00, false},
                                           // 288 apart only when wrapped round in 16 bits.
                                           MatchCase{"FarApartNeverWraps", 0x7FF0, 0x8110, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct KeyCase
{
    const char* name;
    platform::UINT key;
    int position;
    int length;
    int expected;
};

class IndicatorKey : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(IndicatorKey, MovesWithinTheArticle)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(indicatorAfterKey(int(c.key), c.position, c.length), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, IndicatorKey,
                         ::testing::Values(KeyCase{"RightToNext", platform::VK_RIGHT, 4, 40, 5},
                                           KeyCase{"RightStopsAtLast", platform::VK_RIGHT, 40, 40, 40},
                                           KeyCase{"LeftToPrevious", platform::VK_LEFT, 4, 40, 3},
                                           KeyCase{"LeftStopsAtFirst", platform::VK_LEFT, 1, 40, 1},
                                           KeyCase{"BackspaceStopsAtFirst", platform::VK_BACK, 1, 40, 1},
                                           KeyCase{"DownOneRowWith15Left", platform::VK_DOWN, 25, 40, 40},
                                           KeyCase{"DownToLastWith14Left", platform::VK_DOWN, 26, 40, 40},
                                           KeyCase{"DownOneRow", platform::VK_DOWN, 3, 40, 18},
                                           KeyCase{"UpOneRow", platform::VK_UP, 18, 40, 3},
                                           KeyCase{"UpOnFirstRowStays", platform::VK_UP, 15, 40, 15},
                                           KeyCase{"OtherKeyStays", platform::VK_HOME, 7, 40, 7}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArticleView, FollowsTheIndicatorOneRowAtATime)
{
    // The indicator of row r stands at r × 60 + 30.
    EXPECT_EQ(viewRowFollowing(4 * 60 + 30, 0, 5), 0); // fifth visible row
    EXPECT_EQ(viewRowFollowing(5 * 60 + 30, 0, 5), 1); // sixth: one down
    EXPECT_EQ(viewRowFollowing(7 * 60 + 30, 0, 5), 1); // a jump still moves one row
    EXPECT_EQ(viewRowFollowing(9 * 60 + 30, 5, 5), 5); // never past the end
    EXPECT_EQ(viewRowFollowing(2 * 60 + 30, 3, 5), 2); // above the first visible row: one up
    EXPECT_EQ(articleScrollMaximum(5 * 15), 0);        // fewer rows than the view: no scrolling
    EXPECT_EQ(articleScrollMaximum(8 * 15 + 1), 3);
}

TEST(ArticleImport, KeepsWhatIsAboveBlankOrNegativeReadSigned)
{
    const QString text = QStringLiteral(" 中\r\n文\tA\x7F") + QChar(0x3000) + QChar(0x01) + QChar(0xFFFD);
    EXPECT_EQ(keptArticleText(text), QStringLiteral("中文A\x7F") + QChar(0x3000) + QChar(0xFFFD));
}

class ArticleFile : public ::testing::Test
{
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = folders.programFolder() + QStringLiteral("article.txt");
        EXPECT_TRUE(testsupport::writeFile(path, bytes));
        return path;
    }
    testsupport::TestFolders folders;
};

TEST_F(ArticleFile, ReadsGbkAndUtf8Alike)
{
    const QString text = QStringLiteral("春天来了，\r\n小草绿了。");
    for (const QByteArray& bytes :
         {platform::gbk::encode(text), text.toUtf8(), "\xEF\xBB\xBF" + text.toUtf8()}) {
        const ImportedArticle article = readArticleFile(write(bytes));
        EXPECT_EQ(article.outcome, ImportedArticle::Outcome::Read);
        EXPECT_EQ(article.text, QStringLiteral("春天来了，小草绿了。"));
        EXPECT_FALSE(article.cut);
    }
}

TEST_F(ArticleFile, MissingFileOrFolderIsUnreadableAndNulBytesAreNoText)
{
    EXPECT_EQ(readArticleFile(folders.programFolder() + QStringLiteral("none.txt")).outcome,
              ImportedArticle::Outcome::Unreadable);
    EXPECT_EQ(readArticleFile(folders.programFolder()).outcome, ImportedArticle::Outcome::Unreadable);
    EXPECT_EQ(readArticleFile(write(QByteArray("PK\x03\x04\0\0binary", 12))).outcome,
              ImportedArticle::Outcome::NotText);
}

TEST_F(ArticleFile, HugeFileIsReadOnlyInPartAndStaysUtf8)
{
    // Three-byte characters, so the byte limit falls inside one; the line breaks are the only ASCII.
    const QString line = QString(50, QChar(0x6587)) + QStringLiteral("\n");
    const QByteArray bytes = line.repeated(int(kMostImportBytes / 151) + 10).toUtf8();
    ASSERT_GT(bytes.size(), kMostImportBytes);
    const ImportedArticle article = readArticleFile(write(bytes));
    EXPECT_EQ(article.outcome, ImportedArticle::Outcome::Read);
    EXPECT_TRUE(article.cut);
    EXPECT_EQ(article.text, QString(article.text.size(), QChar(0x6587)));
}

} // namespace
