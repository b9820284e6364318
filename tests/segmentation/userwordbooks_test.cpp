// The teacher's and the custom word books built from small lists written with the shared writers.
// Expected rows are tables of plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "segmentation/core/userwordbooks.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include "platform/codefile.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace segmentation;
using namespace booktest;
namespace codefile = platform::codefile;

namespace {

struct KeyCase
{
    unsigned char lead, trail;
    int key;
};

using FirstziKeyTest = ::testing::TestWithParam<KeyCase>;

TEST_P(FirstziKeyTest, WidensTheLeadByteWithItsSign)
{
    EXPECT_EQ(firstziKey(GetParam().lead, GetParam().trail), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Bytes, FirstziKeyTest,
                         ::testing::Values(KeyCase{0xB0, 0xA1, 16756897}, KeyCase{0x81, 0x40, 0xFF8140},
                                           KeyCase{0xFE, 0xFE, 0xFFFEFE}, KeyCase{0x41, 0x42, 0x4142},
                                           KeyCase{0x7F, 0xFF, 0x7FFF}));

class WordBookTest : public ::testing::Test
{
protected:
    QString program(const char* name) const { return m_folders.programFolder() + QLatin1String(name); }
    QString system(const QString& name) const { return m_folders.systemFolder() + name; }

    BuildReport buildTeacher(const QByteArray& list)
    {
        EXPECT_TRUE(writeFile(program("usercibiao.TXT"), list));
        return BuildUserWordBook(m_folders.programFolder(), [this] { ++m_steps; });
    }

    QList<QStringList> rows(const char* database, const char* sql) const
    {
        return queryRows(program(database), QLatin1String(sql));
    }

    testsupport::TestFolders m_folders;
    int m_steps = 0;
};

QByteArray list(const QStringList& words)
{
    QList<QByteArray> bytes;
    for (const QString& word : words)
        bytes << gbk(word);
    return codefile::writeWordList(bytes);
}

TEST_F(WordBookTest, TheTeachersBookStagesInFileOrderAndSortsByFirstCharacterLongestFirst)
{
    const BuildReport report = buildTeacher(list({"人民", "中国", "中华人民", "国家"}));
    ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
    EXPECT_EQ(tableNames(program("zDurid.dat")), (QStringList{"ZDYtemBiao", "ZDYBiao"}));
    EXPECT_EQ(fieldDeclarations(program("zDurid.dat"), "ZDYtemBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "cilength:INTEGER", "first:VARCHAR(50)",
                           "firstzi:INTEGER"}));
    EXPECT_EQ(fieldDeclarations(program("zDurid.dat"), "ZDYBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "first:VARCHAR(50)", "cilength:INTEGER",
                           "firstzi:INTEGER"}));
    EXPECT_EQ(rows("zDurid.dat", "SELECT ID, hz, cilength, first, firstzi FROM ZDYtemBiao ORDER BY rowid"),
              (QList<QStringList>{{"1", "人民", "2", "人", QString::number(0xFFC8CB)},
                                  {"2", "中国", "2", "中", QString::number(0xFFD6D0)},
                                  {"3", "中华人民", "4", "中", QString::number(0xFFD6D0)},
                                  {"4", "国家", "2", "国", QString::number(0xFFB9FA)}}));
    EXPECT_EQ(rows("zDurid.dat", "SELECT ID, hz FROM ZDYBiao ORDER BY rowid"),
              (QList<QStringList>{{"1", "国家"}, {"2", "人民"}, {"3", "中华人民"}, {"4", "中国"}}));
    QList<quint16> counts(24066, 0);
    counts[cellOf("国")] = 1;
    counts[cellOf("人")] = 1;
    counts[cellOf("中")] = 2;
    EXPECT_EQ(indexCounts(program("indexz.dat")), counts);
    EXPECT_EQ(m_steps, 4 * 3 / 10);
}

struct ListCase
{
    const char* name;
    QByteArray bytes;
    int words;
    bool closingLineMissing;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
};

class TeacherListTest : public WordBookTest, public ::testing::WithParamInterface<ListCase>
{
};

TEST_P(TeacherListTest, TakesTheWordsBeforeTheFirstEmptyLine)
{
    const ListCase& c = GetParam();
    const BuildReport report = buildTeacher(c.bytes);
    ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
    EXPECT_EQ(report.words, c.words);
    EXPECT_EQ(report.closingLineMissing, c.closingLineMissing);
    EXPECT_EQ(rows("zDurid.dat", "SELECT count(*) FROM ZDYBiao"),
              (QList<QStringList>{{QString::number(c.words)}}));
    const QList<quint16> counts = indexCounts(program("indexz.dat"));
    ASSERT_EQ(counts.size(), 24066);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TeacherListTest,
    ::testing::Values(
        ListCase{"ThreeWords", list({"中国", "人民", "国家"}), 3, false},
        ListCase{"StartsWithAnEmptyLine", "\r\n" + gbk("中国") + "\r\n\r\n", 0, false},
        ListCase{"StopsAtTheFirstEmptyLine", gbk("中国") + "\r\n\r\n" + gbk("人民") + "\r\n\r\n", 1, false},
        ListCase{"NoClosingLine", gbk("中国") + "\r\n" + gbk("人民") + "\r\n", 2, true},
        ListCase{"LastLineWithoutItsEnd", gbk("中国") + "\r\n" + gbk("人民"), 2, true},
        ListCase{"LinesABookCannotHold",
                 "ab\r\n" + gbk(QString(26, u'中')) + "\r\n" + gbk("人民") + "\r\n\r\n", 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordBookTest, AMissingListKeepsThePreviousTeachersBook)
{
    ASSERT_TRUE(buildTeacher(list({"中国"})).ok());
    const QByteArray database = readFile(program("zDurid.dat"));
    const QByteArray index = readFile(program("indexz.dat"));
    ASSERT_TRUE(QFile::remove(program("usercibiao.TXT")));
    const BuildReport report = BuildUserWordBook(m_folders.programFolder());
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.failure->message, QStringLiteral("不能打开自定义文件"));
    EXPECT_EQ(readFile(program("zDurid.dat")), database);
    EXPECT_EQ(readFile(program("indexz.dat")), index);
}

// --- The custom book -----------------------------------------------------------------------------

QByteArray userWords(const QList<std::pair<QByteArray, QString>>& entries)
{
    QList<codefile::UserWordContents> contents;
    for (const auto& [field, word] : entries)
        contents.append({field, gbk(word)});
    return codefile::writeUserWordFile(contents);
}

TEST_F(WordBookTest, TheCustomBookComesFromTheEditionsFile)
{
    ASSERT_TRUE(writeFile(system("ZDY.TXT"), userWords({{"123456", "中国人"}})));
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWords({{"654321", "人民"}, {"5555", "中国"}})));
    for (const auto& [edition, expected] :
         {std::pair{0, QList<QStringList>{{"1", "中国人", "123456", "中", "3"}}},
          std::pair{
              1, QList<QStringList>{{"1", "人民", "654321", "人", "2"}, {"2", "中国", "5555", "中", "2"}}}}) {
        const BuildReport report =
            BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), edition);
        ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
        EXPECT_EQ(rows("zdyDurid.dat", "SELECT ID, hz, srm, first, cilength FROM ZDYBiao ORDER BY rowid"),
                  expected);
    }
    EXPECT_EQ(fieldDeclarations(program("zdyDurid.dat"), "ZDYtemBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "srm:VARCHAR(50)", "cilength:INTEGER",
                           "first:VARCHAR(50)", "firstzi:INTEGER"}));
    EXPECT_EQ(fieldDeclarations(program("zdyDurid.dat"), "ZDYBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "srm:VARCHAR(50)", "first:VARCHAR(50)",
                           "cilength:INTEGER", "firstzi:INTEGER"}));
}

struct CodeFieldCase
{
    const char* name;
    QByteArray field;
    QByteArray codeText;
    friend void PrintTo(const CodeFieldCase& c, std::ostream* os) { *os << c.name; }
};

class CustomCodeTextTest : public WordBookTest, public ::testing::WithParamInterface<CodeFieldCase>
{
};

// srm keeps the leading bytes of the code field that half the two halves' digit counts give.
TEST_P(CustomCodeTextTest, StoresTheLeadingBytesOfTheCodeField)
{
    const CodeFieldCase& c = GetParam();
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWords({{c.field, "中国"}})));
    ASSERT_TRUE(BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), 1).ok());
    const auto stored = rows("zdyDurid.dat", "SELECT srm FROM ZDYBiao");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(gbk(stored.first().first()), c.codeText);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CustomCodeTextTest,
    ::testing::Values(CodeFieldCase{"AsciiDigits", "123456", "123456"},
                      CodeFieldCase{"AsciiDigitsEndAtAZero", QByteArray("1234\0\0", 6), "1234"},
                      // Six digit nibbles in each half: all six bytes.
                      CodeFieldCase{"SixAndSixDigits", "\x12\x34\x56\x12\x34\x56",
                                    "\x12\x34\x56\x12\x34\x56"},
                      // Four and six digits: the first five bytes ("12", the character 0xB0 0x41, "#").
                      CodeFieldCase{"FourAndSixDigits", "12\xB0\x41\x23\x45", "12\xB0\x41\x23"},
                      CodeFieldCase{"NoDigitsInEitherHalf", "\xAA\xAA\xAA\xAA\xAA\xAA", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WordBookTest, AMissingOrDamagedUserWordFileKeepsThePreviousCustomBook)
{
    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), userWords({{"1", "中国"}})));
    ASSERT_TRUE(BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), 1).ok());
    const QByteArray database = readFile(program("zdyDurid.dat"));
    const QByteArray index = readFile(program("indexzdy.dat"));

    const BuildReport missing = BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), 0);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure->message, QStringLiteral("不能打开自定义文件"));

    ASSERT_TRUE(writeFile(system("ZDYgbk.TXT"), QByteArray("12345\0", 6) + gbk("中国"))); // no line end
    const BuildReport damaged = BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), 1);
    ASSERT_FALSE(damaged.ok());
    EXPECT_EQ(damaged.failure->kind, BuildFailure::Kind::SourceDamaged);

    EXPECT_EQ(readFile(program("zdyDurid.dat")), database);
    EXPECT_EQ(readFile(program("indexzdy.dat")), index);
}

TEST_F(WordBookTest, CustomEntriesABookCannotHoldAreSkipped)
{
    ASSERT_TRUE(
        writeFile(system("ZDYgbk.TXT"), userWords({{"1", "ab"}, {"2", QString(30, u'中')}, {"3", "人民"}})));
    const BuildReport report = BuildCustomCodeBook(m_folders.programFolder(), m_folders.systemFolder(), 1);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.skipped.noCharacter, 1);
    EXPECT_EQ(report.skipped.tooLong, 1);
    EXPECT_EQ(rows("zdyDurid.dat", "SELECT hz, srm FROM ZDYBiao"), (QList<QStringList>{{"人民", "3"}}));
}

} // namespace
