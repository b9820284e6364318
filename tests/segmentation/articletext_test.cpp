// What an article file becomes: its double-byte characters, from GBK or UTF-8, at most 10000, and
// the filter that takes the listed symbols out.
// Expected texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "segmentation/core/articletext.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace segmentation;
using booktest::gbk;

namespace {

struct TextCase
{
    const char* name;
    QByteArray bytes;
    QByteArray expected;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

using DoubleByteWalk = ::testing::TestWithParam<TextCase>;

TEST_P(DoubleByteWalk, KeepsWholeDoubleByteCharactersOnly)
{
    EXPECT_EQ(takeDoubleByteCharacters(GetParam().bytes).toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DoubleByteWalk,
    ::testing::Values(
        TextCase{"AsciiOnly", "An article in English.\r\n123", ""},
        TextCase{"BlanksLineEndsAndAsciiBetween", "a" + gbk("中") + " \r\n\t" + gbk("文，"), gbk("中文，")},
        TextCase{"LeadByteAtTheEnd", gbk("中") + "\xD6", gbk("中")},
        TextCase{"LeadByteBeforeALineEnd", "\xD6\r\n" + gbk("中"), gbk("中")},
        TextCase{"LeadByteBeforeDelete", "\xD6\x7F" + gbk("中"), gbk("中")},
        TextCase{"LeadByteAsTrailByte", "\x81\x81\xFE\xFE", "\x81\x81\xFE\xFE"},
        TextCase{"BytesThatLeadNothing", "\x80\xFF" + gbk("中") + "\xFF", gbk("中")},
        TextCase{"TrailBytesOfEitherRange", "a\xD6\xD0\r\n\xB9\x41z\xB9", "\xD6\xD0\xB9\x41"},
        TextCase{"LeadBytesBeforeLineEndAndDelete", "\xD6\n\xD6\xD0\x81\x7F\xB9\x81\x40", "\xD6\xD0\xB9\x81"},
        TextCase{"PlainAscii", "plain ASCII\r\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleByteWalkLimit, StopsBeforeACharacterThatWouldPassTheLimit)
{
    EXPECT_EQ(takeDoubleByteCharacters("\xD6\xD0\xB9\x41\xB9\x41", 5), QByteArray("\xD6\xD0\xB9\x41"));
}

using FileHead = ::testing::TestWithParam<TextCase>;

TEST_P(FileHead, ArrivesAsGbkCharacters)
{
    EXPECT_EQ(articleTextFromFileHead(GetParam().bytes, true), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, FileHead,
    ::testing::Values(
        TextCase{"Gbk", gbk("中文，测试。\r\nabc"), gbk("中文，测试。")},
        TextCase{"Utf8WithMark", "\xEF\xBB\xBF" + QString("中文，\r\nabc").toUtf8(), gbk("中文，")},
        TextCase{"Utf8WithoutMark", QString("中文，\r\nabc").toUtf8(), gbk("中文，")},
        TextCase{"CharactersGbkCannotHoldDropOut", QString("中😀文ก字").toUtf8(), gbk("中文字")}),
    [](const auto& info) { return std::string(info.param.name); });

class ArticleFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = m_folders.programFolder() + "article" + QString::number(++m_files) + ".txt";
        EXPECT_TRUE(booktest::writeFile(path, bytes));
        return path;
    }
    testsupport::TestFolders m_folders;
    int m_files = 0;
};

// The first count characters of a fixed cycle of Chinese characters.
QString chinese(int count)
{
    const QString cycle = "天地人你我他山水火木金土日月星云风雨雪花";
    QString text;
    for (int i = 0; i < count; ++i)
        text += cycle.at(i % cycle.size());
    return text;
}

TEST_F(ArticleFileTest, TenCharactersAreTooFewElevenAreEnough)
{
    EXPECT_FALSE(isLongEnoughForPractice(readArticleFile(write(gbk(chinese(10) + "\r\n"))).text));
    EXPECT_TRUE(isLongEnoughForPractice(readArticleFile(write(gbk(chinese(11)))).text));
    EXPECT_FALSE(isLongEnoughForPractice(readArticleFile(write("ASCII text only\r\n")).text));
}

TEST_F(ArticleFileTest, ALongerArticleIsCutAfterTenThousandCharacters)
{
    const QString all = chinese(10050);
    QByteArray gbkFile, utf8File;
    for (qsizetype i = 0; i < all.size(); i += 7) {
        gbkFile += gbk(all.mid(i, 7)) + " line\r\n";
        utf8File += all.mid(i, 7).toUtf8() + " line\r\n";
    }
    EXPECT_EQ(readArticleFile(write(gbkFile)).text, gbk(all.left(10000)));
    EXPECT_EQ(readArticleFile(write(utf8File)).text, gbk(all.left(10000)));
}

// Were a file of several gigabytes loaded whole, the test would run out of memory or time.
TEST_F(ArticleFileTest, AHugeFileIsReadOnlyAsFarAsItsHead)
{
    QByteArray lines;
    while (lines.size() < kArticleFileHeadBytes + 100000)
        lines += gbk(chinese(20)) + " some ASCII between\r\n";
    QFile file(write(lines));
    ASSERT_TRUE(file.resize(qint64(6) << 30)) << "a sparse file of 6 GB";
    const ArticleFileText read = readArticleFile(file.fileName());
    EXPECT_EQ(read.outcome, ArticleFileText::Outcome::Read);
    EXPECT_EQ(read.text.size(), kMaxArticleBytes);
}

TEST_F(ArticleFileTest, EmptyBinaryAndUnreadableFiles)
{
    EXPECT_EQ(readArticleFile(write("")).outcome, ArticleFileText::Outcome::Read);
    const ArticleFileText binary =
        readArticleFile(write(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\r", 12) + gbk("中文")));
    EXPECT_EQ(binary.outcome, ArticleFileText::Outcome::NotText);
    EXPECT_EQ(binary.error, QString::fromUtf8(kNotATextFileMessage));
    for (const QString& path : {m_folders.programFolder() + "missing.txt", m_folders.programFolder()}) {
        const ArticleFileText read = readArticleFile(path);
        EXPECT_EQ(read.outcome, ArticleFileText::Outcome::Unreadable) << path.toStdString();
        EXPECT_TRUE(read.error.startsWith("不能读取文件")) << read.error.toStdString();
    }
}

using SymbolFilter = ::testing::TestWithParam<TextCase>;

TEST_P(SymbolFilter, TakesOutTheListedSymbolsAsWholeCharacters)
{
    const QByteArray symbols = filterSymbols(defaultFilterLines());
    EXPECT_EQ(removeFilterSymbols(GetParam().bytes, symbols).toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(Texts, SymbolFilter,
                         ::testing::Values(TextCase{"CommaAndFullStop", gbk("春天，来了。"), gbk("春天来了")},
                                           TextCase{"AnUnlistedSymbolStays", gbk("点．点"), gbk("点．点")},
                                           // the bytes of "，" (A3 AC) across the border of two characters
                                           TextCase{"BytesAcrossTwoCharacters", "\xB0\xA3\xAC\xB0",
                                                    "\xB0\xA3\xAC\xB0"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
