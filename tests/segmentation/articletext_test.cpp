// What an article file becomes: its double-byte characters, from GBK or UTF-8, at most 10000, and
// the filter that takes the listed symbols out.
// Expected texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "segmentation/core/articletext.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace segmentation;
using booktest::gbk;

namespace {

struct WalkCase
{
    const char* name;
    QByteArray bytes;
    QByteArray expected;
};

void PrintTo(const WalkCase& c, std::ostream* os)
{
    *os << c.name;
}

class DoubleByteWalk : public ::testing::TestWithParam<WalkCase>
{
};

TEST_P(DoubleByteWalk, KeepsWholeDoubleByteCharactersOnly)
{
    EXPECT_EQ(takeDoubleByteCharacters(GetParam().bytes).toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DoubleByteWalk,
    ::testing::Values(
        WalkCase{"AsciiOnly", "An article in English.\r\n123", ""},
        WalkCase{"BlanksLineEndsAndAsciiBetween", "a" + gbk("中") + " \r\n\t" + gbk("文") + "x", gbk("中文")},
        WalkCase{"FullWidthSymbolsStay", gbk("春，天。"), gbk("春，天。")},
        WalkCase{"LeadByteAtTheEnd", gbk("中") + "\xD6", gbk("中")},
        WalkCase{"LeadByteBeforeALineEnd", QByteArray("\xD6\r\n") + gbk("中"), gbk("中")},
        WalkCase{"LeadByteBeforeDelete", QByteArray("\xD6\x7F") + gbk("中"), gbk("中")},
        WalkCase{"LeadByteAsTrailByte", QByteArray("\x81\x81\xFE\xFE"), QByteArray("\x81\x81\xFE\xFE")},
        WalkCase{"BytesThatLeadNothing", QByteArray("\x80\xFF") + gbk("中") + "\xFF", gbk("中")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleByteWalkLimit, StopsAtTheLimitOnAWholeCharacter)
{
    EXPECT_EQ(takeDoubleByteCharacters(gbk("中文字"), 4), gbk("中文"));
    EXPECT_EQ(takeDoubleByteCharacters(gbk("中文字"), 5), gbk("中文"));
}

struct HeadCase
{
    const char* name;
    QByteArray head;
    bool wholeFile;
    QByteArray expected;
};

void PrintTo(const HeadCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileHead : public ::testing::TestWithParam<HeadCase>
{
};

TEST_P(FileHead, ArrivesAsGbkCharacters)
{
    EXPECT_EQ(articleTextFromFileHead(GetParam().head, GetParam().wholeFile), GetParam().expected);
}

const QByteArray kUtf8 = QString("中文，测试。\r\nabc").toUtf8();

INSTANTIATE_TEST_SUITE_P(
    Encodings, FileHead,
    ::testing::Values(HeadCase{"Gbk", gbk("中文，测试。\r\nabc"), true, gbk("中文，测试。")},
                      HeadCase{"Utf8WithMark", "\xEF\xBB\xBF" + kUtf8, true, gbk("中文，测试。")},
                      HeadCase{"Utf8WithoutMark", kUtf8, true, gbk("中文，测试。")},
                      HeadCase{"CharactersGbkCannotHoldDropOut", QString("中😀文ก字").toUtf8(), true,
                               gbk("中文字")},
                      HeadCase{"AHeadCutInsideACharacterIsStillUtf8", QString("中文").toUtf8().chopped(1),
                               false, gbk("中")},
                      HeadCase{"Empty", "", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class ArticleFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray& bytes, const char* name = "article.txt")
    {
        const QString path = m_folders.programFolder() + name;
        EXPECT_TRUE(booktest::writeFile(path, bytes));
        return path;
    }
    testsupport::TestFolders m_folders;
};

// The characters 0 to count - 1 of a fixed cycle of Chinese characters.
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
    for (const auto& [count, enough] : {std::pair{10, false}, std::pair{11, true}}) {
        const ArticleFileText read = readArticleFile(write(gbk(chinese(count) + "\r\n")));
        ASSERT_EQ(read.outcome, ArticleFileText::Outcome::Read);
        EXPECT_EQ(read.text.size(), 2 * count);
        EXPECT_EQ(isLongEnoughForPractice(read.text), enough) << count;
    }
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
    const QByteArray expected = gbk(all.left(10000));
    EXPECT_EQ(readArticleFile(write(gbkFile, "gbk.txt")).text, expected);
    EXPECT_EQ(readArticleFile(write(utf8File, "utf8.txt")).text, expected);
}

// A file of several gigabytes is read no further than its head: were it loaded whole, the test would
// run out of memory or time.
TEST_F(ArticleFileTest, AHugeFileIsReadOnlyAsFarAsItsHead)
{
    QByteArray lines;
    while (lines.size() < kArticleFileHeadBytes + 100000)
        lines += gbk(chinese(20)) + " some ASCII between\r\n";
    QFile file(write(lines, "huge.txt"));
    ASSERT_TRUE(file.resize(qint64(6) << 30)) << "a sparse file of 6 GB";
    const ArticleFileText read = readArticleFile(file.fileName());
    ASSERT_EQ(read.outcome, ArticleFileText::Outcome::Read);
    EXPECT_EQ(read.text.size(), kMaxArticleBytes);
    EXPECT_TRUE(read.text.startsWith(gbk(chinese(20))));
}

TEST_F(ArticleFileTest, ABinaryFileIsNoText)
{
    const ArticleFileText read =
        readArticleFile(write(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + gbk("中文字")));
    EXPECT_EQ(read.outcome, ArticleFileText::Outcome::NotText);
    EXPECT_EQ(read.error, QString::fromUtf8(kNotATextFileMessage));
}

TEST_F(ArticleFileTest, AnEmptyFileHasNoText)
{
    const ArticleFileText read = readArticleFile(write(""));
    EXPECT_EQ(read.outcome, ArticleFileText::Outcome::Read);
    EXPECT_TRUE(read.text.isEmpty());
}

TEST_F(ArticleFileTest, AFileThatCannotBeReadSaysWhy)
{
    for (const QString& path : {m_folders.programFolder() + "missing.txt", m_folders.programFolder()}) {
        const ArticleFileText read = readArticleFile(path);
        EXPECT_EQ(read.outcome, ArticleFileText::Outcome::Unreadable) << path.toStdString();
        EXPECT_TRUE(read.error.startsWith("不能读取文件")) << read.error.toStdString();
    }
}

TEST(ArticleDevice, ReadsAnyDeviceAsAFile)
{
    QByteArray bytes = gbk("春天来了");
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    EXPECT_EQ(readArticleFile(buffer).text, gbk("春天来了"));
}

struct FilterCase
{
    const char* name;
    QByteArray text;
    QByteArray expected;
};

void PrintTo(const FilterCase& c, std::ostream* os)
{
    *os << c.name;
}

class SymbolFilter : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(SymbolFilter, TakesOutTheListedSymbolsAsWholeCharacters)
{
    const QByteArray symbols = filterSymbols(defaultFilterLines());
    EXPECT_EQ(removeFilterSymbols(GetParam().text, symbols).toHex(' '), GetParam().expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SymbolFilter,
    ::testing::Values(FilterCase{"CommaAndFullStop", gbk("春天，来了。"), gbk("春天来了")},
                      FilterCase{"EveryDefaultSymbol", filterSymbols(defaultFilterLines()) + gbk("字"),
                                 gbk("字")},
                      FilterCase{"AnUnlistedSymbolStays", gbk("点．点"), gbk("点．点")},
                      // the bytes of "，" (A3 AC) across the border of two characters
                      FilterCase{"BytesAcrossTwoCharacters", "\xB0\xA3\xAC\xB0", "\xB0\xA3\xAC\xB0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SymbolFilterList, AnAddedSymbolIsFilteredToo)
{
    QList<QByteArray> lines = defaultFilterLines();
    EXPECT_EQ(removeFilterSymbols(gbk("一．二"), filterSymbols(lines)), gbk("一．二"));
    lines.append(filterLine(gbk("．"), gbk("点")));
    EXPECT_EQ(removeFilterSymbols(gbk("一．二"), filterSymbols(lines)), gbk("一二"));
}

} // namespace
