// The code book built from small code files written with the shared writer, read back with plain SQL.
// Expected rows are tables of plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII
#include "segmentation/core/bookreader.h"
#include "segmentation/core/codebook.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include "platform/codefile.h"
#include "platform/gbk.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace segmentation;
using namespace booktest;
namespace codefile = platform::codefile;

namespace {

const FileInfoTexts kShown{QStringLiteral("2002年05月01日 08:00:00"), QStringLiteral("599K")};

QByteArray codeFile(const QList<codefile::CodeGroupContents>& characters,
                    const QList<codefile::CodeGroupContents>& words)
{
    return codefile::writeCodeFile({"CodeBookTest", "AAAAA", "BBB", characters, words});
}

// The character of a GBK cell's two bytes.
QString character(unsigned char lead, unsigned char trail)
{
    const char bytes[2] = {char(lead), char(trail)};
    return platform::gbk::decode(QByteArrayView(bytes, 2));
}

class CodeBookTest : public ::testing::Test
{
protected:
    QString codeFilePath() const { return m_folders.systemFolder() + QStringLiteral("orvesk.mb"); }
    QString database() const { return m_folders.programFolder() + QStringLiteral("Durid.dat"); }
    QString index() const { return m_folders.programFolder() + QStringLiteral("index.dat"); }

    BuildReport build(const QByteArray& file)
    {
        EXPECT_TRUE(writeFile(codeFilePath(), file));
        m_steps = 0;
        return RebuildCodeBook(m_folders.programFolder(), codeFilePath(), kShown, [this] { ++m_steps; });
    }

    QList<QStringList> rows(const QString& sql) const { return queryRows(database(), sql); }

    testsupport::TestFolders m_folders;
    int m_steps = 0;
};

// A small file: two character groups (one short code), an empty word group, words sharing a first
// character at different lengths and codes.
QByteArray sampleFile()
{
    return codeFile({group("5", {"中"}), group("50006", {"中", "国"}), group("123", {"人"})},
                    {group("1", {"中国"}), group("222222", {}), group("500601", {"中国", "中华人民"}),
                     group("123456", {"人民", "中间"})});
}

TEST_F(CodeBookTest, HasTheSevenTablesWithTheirFieldsInOrder)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    EXPECT_EQ(tableNames(database()),
              (QStringList{"ZiBiao", "ZiJmBiao", "CiidBiao", "CitemBiao", "CiBiao", "CiJmBiao", "FileInfo"}));
    const QStringList wordTable{"ID:INTEGER",    "hz:VARCHAR(50)",      "srm:VARCHAR(50)",
                                "first:INTEGER", "firstzi:VARCHAR(50)", "CiLength:INTEGER",
                                "ZDY:TINYINT",   "Jm:VARCHAR(50)"};
    EXPECT_EQ(fieldDeclarations(database(), "CitemBiao"), wordTable);
    EXPECT_EQ(fieldDeclarations(database(), "CiBiao"), wordTable);
    EXPECT_EQ(fieldDeclarations(database(), "ZiBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "srm:VARCHAR(50)", "Jm:VARCHAR(50)"}));
    EXPECT_EQ(fieldDeclarations(database(), "CiidBiao"),
              (QStringList{"iid:INTEGER", "ID:INTEGER", "hz:VARCHAR(50)", "nci:INTEGER"}));
    EXPECT_EQ(fieldDeclarations(database(), "CiJmBiao"),
              (QStringList{"ID:INTEGER", "hz:VARCHAR(50)", "srm:VARCHAR(50)", "CiLength:VARCHAR(50)"}));
    EXPECT_EQ(fieldDeclarations(database(), "FileInfo"),
              (QStringList{"FileTime:VARCHAR(50)", "FileSize:VARCHAR(50)", "MaxCiLength:VARCHAR(50)"}));
    EXPECT_TRUE(rows("SELECT * FROM ZiJmBiao").isEmpty());
}

TEST_F(CodeBookTest, ZiBiaoHasOneRowPerCellAndPlaceholdersWhereTheFileListsNoCharacter)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    const auto count = rows("SELECT count(*), min(ID), max(ID), sum(ID = rowid) FROM ZiBiao");
    EXPECT_EQ(count, (QList<QStringList>{{"24066", "1", "24066", "24066"}}));
    EXPECT_EQ(rows("SELECT hz, srm, Jm FROM ZiBiao WHERE ID = 1"), (QList<QStringList>{{"hz", "srm", "Jm"}}));
    EXPECT_EQ(rows("SELECT count(*) FROM ZiBiao WHERE srm <> 'srm'"), (QList<QStringList>{{"3"}}));
}

struct CharacterCase
{
    const char* name;
    QList<codefile::CodeGroupContents> groups;
    int cell;
    QStringList row; // hz, srm, Jm
    friend void PrintTo(const CharacterCase& c, std::ostream* os) { *os << c.name; }
};

class CodeBookCharacterTest : public CodeBookTest, public ::testing::WithParamInterface<CharacterCase>
{
};

TEST_P(CodeBookCharacterTest, LandsInTheRowOfItsCell)
{
    const CharacterCase& c = GetParam();
    ASSERT_TRUE(build(codeFile(c.groups, {})).ok());
    EXPECT_EQ(rows(QStringLiteral("SELECT hz, srm, Jm FROM ZiBiao WHERE rowid = %1").arg(c.cell + 1)),
              QList<QStringList>{c.row});
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodeBookCharacterTest,
    ::testing::Values(
        CharacterCase{
            "FirstCell", {group("321", {character(0x81, 0x40)})}, 0, {character(0x81, 0x40), "321", "Jm"}},
        CharacterCase{"LastCell",
                      {group("4444", {character(0xFE, 0xFE)})},
                      24065,
                      {character(0xFE, 0xFE), "4444", "Jm"}},
        CharacterCase{"OneDigitShortCode", {group("9", {"的"})}, cellOf("的"), {"的", "9", "9"}},
        CharacterCase{"TwoDigitShortCode", {group("37", {"的"})}, cellOf("的"), {"的", "37", "37"}},
        CharacterCase{"ThreeDigitsAreNoShortCode", {group("370", {"的"})}, cellOf("的"), {"的", "370", "Jm"}},
        // The file lists short codes first: the full code follows into srm, the short one stays in Jm.
        CharacterCase{"ShortThenFullCode",
                      {group("5", {"中"}), group("500061", {"中"})},
                      cellOf("中"),
                      {"中", "500061", "5"}},
        CharacterCase{"NotListed", {group("1", {"的"})}, cellOf("中"), {"hz", "srm", "Jm"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodeBookTest, CitemBiaoKeepsFileOrderAndTheShortCodesGoToJmAndCiJmBiao)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    const int zhong = 0xD6D0;
    EXPECT_EQ(rows("SELECT ID, hz, srm, Jm, first, firstzi, CiLength, ZDY FROM CitemBiao ORDER BY rowid"),
              (QList<QStringList>{{"1", "中国", "1", "1", QString::number(zhong), "中", "2", "0"},
                                  {"2", "中国", "500601", "Jm", QString::number(zhong), "中", "2", "0"},
                                  {"3", "中华人民", "500601", "Jm", QString::number(zhong), "中", "4", "0"},
                                  {"4", "人民", "123456", "Jm", QString::number(0xC8CB), "人", "2", "0"},
                                  {"5", "中间", "123456", "Jm", QString::number(zhong), "中", "2", "0"}}));
    EXPECT_EQ(rows("SELECT ID, hz, srm, CiLength FROM CiJmBiao"),
              (QList<QStringList>{{"1", "中国", "1", "2"}}));
}

TEST_F(CodeBookTest, CiBiaoRunsByFirstCharacterLongestFirstAndTiesKeepFileOrder)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    EXPECT_EQ(rows("SELECT ID, hz, srm FROM CiBiao ORDER BY rowid"),
              (QList<QStringList>{{"1", "人民", "123456"},
                                  {"2", "中华人民", "500601"},
                                  {"3", "中国", "1"},
                                  {"4", "中国", "500601"},
                                  {"5", "中间", "123456"}}));
    EXPECT_EQ(rows("SELECT iid, ID, hz, nci FROM CiidBiao ORDER BY rowid"),
              (QList<QStringList>{{"1", QString::number(cellOf("人")), "人", "1"},
                                  {"2", QString::number(cellOf("中")), "中", "4"}}));
}

TEST_F(CodeBookTest, TheIndexCountsTheWordsOfEachFirstCharacter)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    QList<quint16> expected(24066, 0);
    expected[cellOf("人")] = 1;
    expected[cellOf("中")] = 4;
    EXPECT_EQ(indexCounts(index()), expected);
    EXPECT_EQ(rows("SELECT * FROM FileInfo"), (QList<QStringList>{{kShown.time, kShown.size, "8"}}));
}

TEST_F(CodeBookTest, WordsAreStoredAsReadableText)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    EXPECT_EQ(
        rows("SELECT hex(hz) FROM CitemBiao WHERE ID = 3"),
        (QList<QStringList>{{QString::fromLatin1(QStringLiteral("中华人民").toUtf8().toHex().toUpper())}}));
}

struct ShapeCase
{
    const char* name;
    QByteArray file;
    int words;
    const char* maxCiLength;
    friend void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }
};

class CodeBookShapeTest : public CodeBookTest, public ::testing::WithParamInterface<ShapeCase>
{
};

// Whatever the file holds, the book has its index of 48132 bytes, and the same file gives the same book.
TEST_P(CodeBookShapeTest, GivesAWholeIndexAndTheSameBookTwice)
{
    const ShapeCase& c = GetParam();
    const BuildReport first = build(c.file);
    ASSERT_TRUE(first.ok()) << first.failure->message.toStdString();
    EXPECT_EQ(first.words, c.words);
    const QByteArray firstIndex = readFile(index());
    const auto firstWords = rows("SELECT * FROM CiBiao");
    EXPECT_EQ(firstIndex.size(), 48132);
    EXPECT_EQ(rows("SELECT MaxCiLength FROM FileInfo"), (QList<QStringList>{{c.maxCiLength}}));
    ASSERT_TRUE(build(c.file).ok());
    EXPECT_EQ(readFile(index()), firstIndex);
    EXPECT_EQ(rows("SELECT * FROM CiBiao"), firstWords);
    EXPECT_EQ(rows("SELECT count(*) FROM ZiBiao"), (QList<QStringList>{{"24066"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, CodeBookShapeTest,
    ::testing::Values(ShapeCase{"Sample", sampleFile(), 5, "8"},
                      ShapeCase{"NoGroups", codeFile({}, {}), 0, "0"},
                      ShapeCase{"OnlyAnEmptyWordGroup", codeFile({}, {group("12", {})}), 0, "0"},
                      ShapeCase{"OnlyCharacters", codeFile({group("1", {"的"})}, {}), 0, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// Counted items: 24066 cells, each character group and character, and each word three times
// (staged, copied in order, walked for its first character); the bar steps at every tenth.
TEST_F(CodeBookTest, ProgressStepsEveryTenItems)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    EXPECT_EQ(m_steps, (24066 + 3 + 4 + 3 * 5) / 10);
}

// --- Input the formats do not allow, or a book cannot hold ---------------------------------------

class CodeBookDamageTest : public CodeBookTest,
                           public ::testing::WithParamInterface<std::pair<const char*, QByteArray>>
{
};

// A damaged code file stops the build, says why, and keeps the book that was there.
TEST_P(CodeBookDamageTest, KeepsThePreviousBook)
{
    ASSERT_TRUE(build(sampleFile()).ok());
    const QByteArray oldDatabase = readFile(database());
    const QByteArray oldIndex = readFile(index());
    const BuildReport report = build(GetParam().second);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.failure->kind, BuildFailure::Kind::SourceDamaged);
    EXPECT_TRUE(report.failure->message.contains(codeFilePath())) << report.failure->message.toStdString();
    EXPECT_EQ(readFile(database()), oldDatabase);
    EXPECT_EQ(readFile(index()), oldIndex);
    EXPECT_EQ(QDir(m_folders.programFolder()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Durid.dat"), QStringLiteral("index.dat")}));
}

QByteArray withWordLength(quint32 length)
{
    QByteArray file = sampleFile();
    const char le[4] = {char(length), char(length >> 8), char(length >> 16), char(length >> 24)};
    file.replace(0x1C, 4, le, 4);
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CodeBookDamageTest,
    ::testing::Values(
        std::pair{"ShorterThanTheHeader", QByteArray("orvesk")},
        std::pair{"LengthsPastTheEnd", withWordLength(0xFFFFFFF0u)},
        std::pair{"GroupWithoutItsClosingFF",
                  codefile::assembleCodeFile("x", "", "", "\x12\x3F\xFF" + gbk("的"), "")},
        std::pair{"WordGroupWithoutItsEnd",
                  codefile::assembleCodeFile("x", "", "", "", "\x12\x3F\xFF" + gbk("中国") + '\xFF')},
        std::pair{"FirstNibbleAboveNine",
                  codefile::assembleCodeFile("x", "", "", "\xA2\x3F\xFF" + gbk("的") + '\xFF', "")}),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(CodeBookTest, EntriesABookCannotHoldAreSkippedAndCounted)
{
    const QByteArray longWord = gbk(QString(26, u'中'));
    const QByteArray words = QByteArray("\x12\x34\x56") + "\xFF" // a lone 0xFF after the code: an empty word
                             + gbk("中国") + "\xFF"              // a word
                             + longWord + "\xFF"                 // 52 bytes
                             + "ab\xFF"                          // no GBK character first
                             + gbk("人民") + "\xFF\xFF";
    const BuildReport report = build(codefile::assembleCodeFile("x", "", "",
                                                                "\x11\x1F\xFF"
                                                                "a\x01\xFF",
                                                                words));
    ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
    EXPECT_EQ(report.skipped.empty, 1);
    EXPECT_EQ(report.skipped.tooLong, 1);
    EXPECT_EQ(report.skipped.noCharacter, 2); // the word "ab" and the character slot "a\x01"
    EXPECT_FALSE(report.skippedMessage().isEmpty());
    EXPECT_EQ(rows("SELECT ID, hz FROM CitemBiao"), (QList<QStringList>{{"1", "中国"}, {"2", "人民"}}));
    EXPECT_EQ(rows("SELECT count(*) FROM ZiBiao WHERE srm <> 'srm'"), (QList<QStringList>{{"0"}}));
    EXPECT_EQ(rows("SELECT MaxCiLength FROM FileInfo"), (QList<QStringList>{{"4"}}));
}

struct SourceCase
{
    const char* name;
    bool create;
    QByteArray bytes;
    BuildFailure::Kind kind;
    const char* message;
    friend void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.name; }
};

class CodeBookSourceTest : public CodeBookTest, public ::testing::WithParamInterface<SourceCase>
{
};

TEST_P(CodeBookSourceTest, AFileThatCannotBeMappedKeepsTheBookAndSaysSo)
{
    const SourceCase& c = GetParam();
    ASSERT_TRUE(build(sampleFile()).ok());
    const QByteArray oldDatabase = readFile(database());
    if (c.create) {
        ASSERT_TRUE(writeFile(codeFilePath(), c.bytes));
    } else {
        ASSERT_TRUE(QFile::remove(codeFilePath()));
    }
    const BuildReport report = RebuildCodeBook(m_folders.programFolder(), codeFilePath(), kShown);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.failure->kind, c.kind);
    EXPECT_EQ(report.failure->message, QString::fromUtf8(c.message));
    EXPECT_EQ(readFile(database()), oldDatabase);
    EXPECT_EQ(readFile(index()).size(), 48132);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, CodeBookSourceTest,
    ::testing::Values(
        SourceCase{"Missing", false, {}, BuildFailure::Kind::SourceNotOpened, "不能打开码本文件"},
        SourceCase{"Empty", true, {}, BuildFailure::Kind::MappingNotCreated, "不能创建文件映射对象"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodeBookTest, AFolderInPlaceOfTheCodeFileIsNotOpened)
{
    QDir().mkpath(codeFilePath());
    const BuildReport report = RebuildCodeBook(m_folders.programFolder(), codeFilePath(), kShown);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.failure->message, QStringLiteral("不能打开码本文件"));
    EXPECT_FALSE(QFile::exists(database()));
}

TEST_F(CodeBookTest, ABookThatCannotBeWrittenIsReportedAndNothingIsLeftBehind)
{
    ASSERT_TRUE(writeFile(codeFilePath(), sampleFile()));
    // A folder where the new database would be written.
    QDir().mkpath(database() + QStringLiteral(".new/x"));
    const BuildReport report = RebuildCodeBook(m_folders.programFolder(), codeFilePath(), kShown);
    ASSERT_FALSE(report.ok());
    EXPECT_EQ(report.failure->kind, BuildFailure::Kind::BookNotWritten);
    EXPECT_FALSE(QFile::exists(database()));
    EXPECT_FALSE(QFile::exists(index()));
}

// --- The texts of the upgrade dialog -------------------------------------------------------------

TEST_F(CodeBookTest, TheCodeFileShowsItsTimeAndWholeKilobytes)
{
    ASSERT_TRUE(writeFile(codeFilePath(), QByteArray(2047, 'x')));
    const FileInfoTexts texts = codeFileInfoTexts(codeFilePath());
    EXPECT_EQ(texts.size, QStringLiteral("1K"));
    EXPECT_TRUE(QDateTime::fromString(texts.time, QStringLiteral("yyyy年MM月dd日 HH:mm:ss")).isValid())
        << texts.time.toStdString();
    EXPECT_EQ(codeFileInfoTexts(codeFilePath() + u'x'),
              (FileInfoTexts{QStringLiteral("Nothing"), QString()}));
}

TEST_F(CodeBookTest, TheBookShowsWhatItsFileInfoHolds)
{
    EXPECT_FALSE(readBookInfo(m_folders.programFolder()));
    ASSERT_TRUE(build(sampleFile()).ok());
    EXPECT_EQ(readBookInfo(m_folders.programFolder()), kShown);
    // A book that is no database, or has no FileInfo row, shows nothing.
    ASSERT_TRUE(writeFile(database(), QByteArray(4096, 'x')));
    EXPECT_FALSE(readBookInfo(m_folders.programFolder()));
}

} // namespace
