// The lookup by first character over books the builders made: the staged code file's every word,
// small books, and books whose files are missing or damaged.
// Expected rows are tables of plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "segmentation/core/bookreader.h"
#include "segmentation/core/codebook.h"
#include "segmentation/core/userwordbooks.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include "platform/codefile.h"
#include "platform/dao.h"

#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

using namespace segmentation;
using namespace booktest;
namespace codefile = platform::codefile;

namespace {

class BookReaderTest : public ::testing::Test
{
protected:
    void buildCodeBook(const QList<codefile::CodeGroupContents>& characters,
                       const QList<codefile::CodeGroupContents>& words)
    {
        const QString failure =
            booktest::buildCodeBook(m_folders.programFolder(), m_folders.systemFolder(), characters, words);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    std::unique_ptr<BookReader> open(BookKind kind = BookKind::Code)
    {
        BookOpenFailure failure;
        auto reader = BookReader::open(kind, m_folders.programFolder(), &failure);
        EXPECT_TRUE(reader) << failure.message.toStdString();
        return reader;
    }

    testsupport::TestFolders m_folders;
};

// What the staged code file lists: every word with its codes, and every character's last code.
struct StagedCodes
{
    QHash<QByteArray, QList<QByteArray>> wordCodes;
    QHash<QByteArray, QByteArray> characterCodes;
    int words = 0;
};

StagedCodes readStaged(const QByteArray& file)
{
    StagedCodes codes;
    const codefile::ReadResult read = codefile::readCodeFile(file, [&](const codefile::CodeFileEntry& entry) {
        if (entry.group.section == codefile::Section::Words) {
            codes.wordCodes[entry.text.toByteArray()].append(entry.group.code.toByteArray());
            ++codes.words;
        } else {
            codes.characterCodes[entry.text.toByteArray()] = entry.group.code.toByteArray();
        }
    });
    EXPECT_TRUE(read.ok());
    return codes;
}

// The staged code file: every word is found among the words of its first character, with its code,
// and every character in its ZiBiao row.
TEST_F(BookReaderTest, FindsEveryWordOfTheStagedCodeFileFromItsFirstCharacter)
{
    QString error;
    const QString path = testsupport::copyStagedFile("system/orvesk.mb", m_folders.systemFolder(), &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    const BuildReport report = RebuildCodeBook(m_folders.programFolder(), path, codeFileInfoTexts(path));
    ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
    EXPECT_EQ(report.skipped.total(), 0);
    const StagedCodes staged = readStaged(readFile(path));
    ASSERT_GT(staged.words, 50000);
    EXPECT_EQ(report.words, staged.words);

    auto book = open();
    ASSERT_TRUE(book);
    int found = 0;
    for (auto it = staged.wordCodes.cbegin(); it != staged.wordCodes.cend(); ++it) {
        QList<QByteArray> codes;
        for (const BookWord& word : book->wordsBeginningWith(it.key())) {
            if (word.hz == it.key())
                codes << word.srm;
        }
        EXPECT_EQ(codes, it.value()) << it.key().toHex().toStdString();
        found += int(codes.size());
    }
    EXPECT_EQ(found, staged.words);
    for (auto it = staged.characterCodes.cbegin(); it != staged.characterCodes.cend(); ++it) {
        const BookCharacter row = book->character(codefile::GbkCellIndex(it.key()[0], it.key()[1]));
        EXPECT_EQ(row.hz, it.key());
        EXPECT_EQ(row.srm, it.value());
    }
}

TEST_F(BookReaderTest, GivesTheWordsOfACharacterLongestFirstWithTheirCodes)
{
    buildCodeBook(
        {group("5", {"中"}), group("50006", {"中"})},
        {group("1", {"中国"}), group("500601", {"中国", "中华人民", "中间"}), group("123456", {"人民"})});
    auto book = open();
    ASSERT_TRUE(book);
    const QList<BookWord> words = book->wordsBeginningWith(gbk("中华"));
    EXPECT_EQ(words, (QList<BookWord>{{gbk("中华人民"), "500601", "Jm", 4},
                                      {gbk("中国"), "1", "1", 2},
                                      {gbk("中国"), "500601", "Jm", 2},
                                      {gbk("中间"), "500601", "Jm", 2}}));
    EXPECT_TRUE(words.at(1).hasShortCode());
    EXPECT_FALSE(words.at(0).hasShortCode());
    EXPECT_EQ(book->wordCount(cellOf("中")), 4);
    EXPECT_EQ(book->firstWordRow(cellOf("中")), 1); // after the one word of 人, whose cell comes first
    EXPECT_EQ(book->character(cellOf("中")), (BookCharacter{gbk("中"), "50006", "5"}));
    EXPECT_FALSE(book->character(cellOf("国")).hasCode());
    EXPECT_EQ(book->maxWordBytes(), 8);
    EXPECT_TRUE(book->wordsBeginningWith(gbk("国")).isEmpty());
}

TEST_F(BookReaderTest, TextThatBeginsWithNoGbkCharacterHasNoWords)
{
    buildCodeBook({}, {group("1", {"中国"})});
    auto book = open();
    ASSERT_TRUE(book);
    for (const QByteArray& text :
         {QByteArray(), QByteArray("\xD6"), QByteArray("ab"), QByteArray("\xD6\x20")})
        EXPECT_TRUE(book->wordsBeginningWith(text).isEmpty()) << text.toHex().toStdString();
    EXPECT_FALSE(book->character(-1).hasCode());
    EXPECT_FALSE(book->character(24066).hasCode());
}

// An index that counts more words than the table holds gives what the table has, and no more.
TEST_F(BookReaderTest, AnIndexThatOvercountsReadsNoFurtherThanTheTable)
{
    buildCodeBook({}, {group("1", {"中国", "中间"})});
    QList<quint16> counts(24066, 0);
    counts[cellOf("中")] = 50;
    counts[0] = 1; // a word of cell 0 that is not there
    ASSERT_TRUE(writeFile(m_folders.programFolder() + "index.dat", indexFileBytes(counts)));
    auto book = open();
    ASSERT_TRUE(book);
    EXPECT_EQ(book->wordsBeginningWith(gbk("中")).size(), 1);
}

struct OpenCase
{
    const char* name;
    std::optional<QByteArray> index; // nothing: no index file
    bool database;
    BookOpenFailure::Kind kind;
    const char* message; // empty: any
    friend void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }
};

class BookReaderOpenTest : public BookReaderTest, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(BookReaderOpenTest, SaysWhyABookCannotBeOpened)
{
    const OpenCase& c = GetParam();
    buildCodeBook({}, {group("1", {"中国"})});
    const BookFiles files = bookFiles(BookKind::Code, m_folders.programFolder());
    if (c.index) {
        ASSERT_TRUE(writeFile(files.index, *c.index));
    } else {
        ASSERT_TRUE(QFile::remove(files.index));
    }
    if (!c.database) {
        ASSERT_TRUE(QFile::remove(files.database));
    }
    BookOpenFailure failure;
    EXPECT_FALSE(BookReader::open(BookKind::Code, m_folders.programFolder(), &failure));
    EXPECT_EQ(failure.kind, c.kind);
    if (*c.message) {
        EXPECT_EQ(failure.message, QString::fromUtf8(c.message));
    }
    EXPECT_FALSE(failure.message.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Books, BookReaderOpenTest,
    ::testing::Values(
        OpenCase{"NoIndex", std::nullopt, true, BookOpenFailure::Kind::IndexNotOpened, "不能打开idx文件"},
        OpenCase{"EmptyIndex", QByteArray(), true, BookOpenFailure::Kind::IndexNotMapped,
                 "不能创建idx文件映射对象"},
        OpenCase{"ShortIndex", QByteArray(48131, '\0'), true, BookOpenFailure::Kind::IndexDamaged, ""},
        OpenCase{"LongIndex", QByteArray(48134, '\0'), true, BookOpenFailure::Kind::IndexDamaged, ""},
        OpenCase{"NoDatabase", QByteArray(48132, '\0'), false, BookOpenFailure::Kind::DatabaseNotOpened, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BookReaderTest, AnUnreadableLongestWordIsThirty)
{
    buildCodeBook({}, {group("1", {"中国"})});
    {
        auto db = platform::dao::Database::open(m_folders.programFolder() + "Durid.dat");
        auto info = db->OpenRecordset("FileInfo");
        info->Edit();
        info->setField("MaxCiLength", "many");
        info->Update();
    }
    EXPECT_EQ(open()->maxWordBytes(), 30);
    {
        auto db = platform::dao::Database::open(m_folders.programFolder() + "Durid.dat");
        db->OpenRecordset("FileInfo")->Delete();
    }
    EXPECT_EQ(open()->maxWordBytes(), 30);
}

TEST_F(BookReaderTest, ReadsTheTeachersBookWithoutCodes)
{
    ASSERT_EQ(buildTeacherBook(m_folders.programFolder(), {"中国", "中华人民共和国", "人民"}), QString());
    auto book = open(BookKind::Teacher);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->wordsBeginningWith(gbk("中")),
              (QList<BookWord>{{gbk("中华人民共和国"), {}, {}, 7}, {gbk("中国"), {}, {}, 2}}));
    EXPECT_FALSE(book->character(cellOf("中")).hasCode());
}

TEST_F(BookReaderTest, ReadsTheCustomBookWithItsCodes)
{
    ASSERT_EQ(buildCustomBook(m_folders.programFolder(), m_folders.systemFolder(),
                              {{"5006", "中国"}, {"500601", "中国人民"}}),
              QString());
    auto book = open(BookKind::Custom);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->wordsBeginningWith(gbk("中")),
              (QList<BookWord>{{gbk("中国人民"), "500601", {}, 4}, {gbk("中国"), "5006", {}, 2}}));
}

} // namespace
