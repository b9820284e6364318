// The books' file names, the index layout, and the one place where texts change between GBK bytes
// and the databases' text.
#include "segmentation/core/bookfiles.h"

#include "platform/gbk.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

struct NamesCase
{
    BookKind kind;
    const char* database;
    const char* index;
};

using BookFilesTest = ::testing::TestWithParam<NamesCase>;

TEST_P(BookFilesTest, LiveInTheProgramFolder)
{
    const BookFiles files = bookFiles(GetParam().kind, QStringLiteral("/p/"));
    EXPECT_EQ(files.database, QStringLiteral("/p/") + QLatin1String(GetParam().database));
    EXPECT_EQ(files.index, QStringLiteral("/p/") + QLatin1String(GetParam().index));
}

INSTANTIATE_TEST_SUITE_P(Books, BookFilesTest,
                         ::testing::Values(NamesCase{BookKind::Code, "Durid.dat", "index.dat"},
                                           NamesCase{BookKind::Teacher, "zDurid.dat", "indexz.dat"},
                                           NamesCase{BookKind::Custom, "zdyDurid.dat", "indexzdy.dat"}));

TEST(BookFiles, TheEditionChoosesTheInputMethodsFiles)
{
    EXPECT_EQ(codeFileNameForEdition(0), QStringLiteral("orvesk.mb"));
    EXPECT_EQ(codeFileNameForEdition(1), QStringLiteral("orveske.mb"));
    EXPECT_EQ(userWordFileNameForEdition(0), QStringLiteral("ZDY.TXT"));
    EXPECT_EQ(userWordFileNameForEdition(1), QStringLiteral("ZDYgbk.TXT"));
}

TEST(BookFiles, TheIndexHoldsOneLittleEndianCountPerCell)
{
    QList<quint16> counts(24066, 0);
    counts[0] = 0x0102;
    counts[24065] = 0xFFFE;
    const QByteArray bytes = indexFileBytes(counts);
    ASSERT_EQ(bytes.size(), 48132);
    EXPECT_EQ(bytes.left(2), QByteArray("\x02\x01"));
    EXPECT_EQ(bytes.right(2), QByteArray("\xFE\xFF"));
    EXPECT_EQ(bytes.count('\0'), 48132 - 4);
}

TEST(BookText, StoresTextThatReadsBackAsTheSameBytes)
{
    const QByteArray word = platform::gbk::encode(QStringLiteral("中华人民"));
    EXPECT_EQ(storableText(word), QStringLiteral("中华人民"));
    EXPECT_EQ(gbkBytes(bookText(word)), word);
    EXPECT_FALSE(storableText(QByteArray("\x81\x20", 2))); // a lead byte without a trail byte
    EXPECT_FALSE(storableText(QByteArray("\xD6", 1)));
}

// Many texts in one go give what each gives alone, also where one of them cannot be stored or holds
// the line end the batch is joined with.
TEST(BookText, ABatchGivesWhatEachTextGivesAlone)
{
    const QByteArray good1 = platform::gbk::encode(QStringLiteral("中国"));
    const QByteArray good2 = platform::gbk::encode(QStringLiteral("人民"));
    for (const QList<QByteArray>& texts :
         {QList<QByteArray>{good1, good2}, QList<QByteArray>{good1, QByteArray("\x81\x20", 2), good2},
          QList<QByteArray>{good1, QByteArray("\xD6", 1)}, QList<QByteArray>{good1, good2 + "\n" + good1},
          QList<QByteArray>{QByteArray(), good1}, QList<QByteArray>{}}) {
        QList<std::optional<QString>> alone;
        for (const QByteArray& text : texts)
            alone.append(storableText(text));
        EXPECT_EQ(storableTexts(texts), alone) << texts.join('|').toHex().toStdString();
    }
}

} // namespace
