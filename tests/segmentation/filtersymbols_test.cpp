// The symbol list filter.dat: its default lines, damaged lines, and writes that fail.
#include "platform/gbk.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/support/files.h"
#include "tests/support/fulldisk.h"
#include "tests/support/testfolders.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace segmentation;

namespace {

using testsupport::readFile;
using testsupport::writeFile;

class FilterSymbolsTest : public ::testing::Test
{
protected:
    QString path() const { return filterFilePath(folders.programFolder()); }
    testsupport::TestFolders folders;
};

// The GBK codes of the thirty default symbols, in file order.
constexpr quint16 kDefaultCodes[] = {0xA3AC, 0xA1A3, 0xA1A2, 0xA3BB, 0xA3BA, 0xA3BF, 0xA1B0, 0xA1B1,
                                     0xA3A1, 0xA1AD, 0xA1AE, 0xA1AF, 0xA3A8, 0xA3A9, 0xA1B2, 0xA1B3,
                                     0xA3FB, 0xA3FD, 0xA1B6, 0xA1B7, 0xA1AA, 0xA1AB, 0xA1B8, 0xA1B9,
                                     0xA1BA, 0xA1BB, 0xA1B4, 0xA1B5, 0xA1BE, 0xA1BF};

TEST_F(FilterSymbolsTest, AMissingFileIsWrittenWithTheThirtyDefaultLines)
{
    QString error;
    const QByteArray symbols = LoadFilterSymbols(folders.programFolder(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();

    const QList<QByteArray> lines = readFile(path()).split('\n');
    ASSERT_EQ(lines.size(), 31); // thirty lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    QByteArray expectedSymbols;
    for (int i = 0; i < 30; ++i) {
        const char code[] = {char(kDefaultCodes[i] >> 8), char(kDefaultCodes[i] & 0xFF)};
        expectedSymbols += QByteArray(code, 2);
        EXPECT_TRUE(lines[i].startsWith(QByteArray(code, 2) + QByteArray(10, ' '))) << i;
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    }
    EXPECT_EQ(symbols, expectedSymbols);
    EXPECT_EQ(lines[0], QByteArray("\xA3\xAC") + QByteArray(10, ' ') + platform::gbk::encode(u"逗号") + '\r');
    EXPECT_EQ(lines[29],
              QByteArray("\xA1\xBF") + QByteArray(10, ' ') + platform::gbk::encode(u"实心括号") + '\r');
    for (int i = 22; i < 26; ++i) // these four carry the symbol itself as their name
        EXPECT_EQ(lines[i].mid(12, 2), lines[i].first(2)) << i;
}

TEST_F(FilterSymbolsTest, DamagedLinesAddNothingAndKeepTheSymbolsAligned)
{
    const QByteArray overlong = QByteArray("\xA1\xA3") + QByteArray(100000, 'x');
    ASSERT_TRUE(writeFile(path(), QByteArray("\r\n"             // empty
                                             "a\r\n"            // one byte
                                             "\xA3\r\n"         // a lone lead byte
                                             "x\xA1\xA2  y\r\n" // a single byte before a character
                                             "\xA3\xAC") +      // a bare symbol
                                      "\n" +
                                      overlong + "\r\n" +
                                      "\xA3\x7F          bad trail\r\n"
                                      "\xA3\xBB          last line without its end"));
    const FilterLines loaded = loadFilterLines(folders.programFolder());
    EXPECT_TRUE(loaded.error.isEmpty());
    ASSERT_EQ(loaded.lines.size(), 8);
    EXPECT_EQ(loaded.lines[5], overlong);
    EXPECT_EQ(filterSymbols(loaded.lines), QByteArray("\xA3\xAC\xA1\xA3\xA3\xBB"));
}

TEST_F(FilterSymbolsTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    ASSERT_TRUE(writeFile(path(), "\xA3\xAC          old\r\n"));
    QString error;
    {
        testsupport::FullDisk full;
        EXPECT_FALSE(writeFilterFile(path(), defaultFilterLines(), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(path()), "\xA3\xAC          old\r\n");
}

TEST_F(FilterSymbolsTest, AFileThatCannotBeWrittenOrReadGivesTheDefaultsAndSaysWhy)
{
    FilterLines loaded;
    {
        testsupport::FullDisk full;
        loaded = loadFilterLines(folders.programFolder());
    }
    EXPECT_FALSE(loaded.error.isEmpty());
    EXPECT_EQ(loaded.lines, defaultFilterLines());
    EXPECT_FALSE(QFile::exists(path()));

    ASSERT_TRUE(writeFile(path(), QByteArray(2 << 20, '\n'))); // far larger than any list
    QString error;
    EXPECT_EQ(LoadFilterSymbols(folders.programFolder(), &error), filterSymbols(defaultFilterLines()));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
