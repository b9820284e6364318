// Forward maximum matching over small books the builders made: the patterns, the ten figures, the
// competition of the books, and what a missing or damaged book does to the segmentation.
// Expected texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "platform/dao.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/bookreader.h"
#include "segmentation/core/filtersymbols.h"
#include "segmentation/core/segmentarticle.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include <QFile>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>

using namespace segmentation;
using namespace booktest;
using End = Segmentation::End;

namespace {

class RecordingHost : public SegmentationHost
{
public:
    void plainMessage(const QString& text) override { plain << text; }
    void message(const QString& text) override { messages << text; }
    bool upgradeCustomBook() override
    {
        ++upgrades;
        return onUpgrade ? onUpgrade() : false;
    }
    void showProgress(int minimum, int maximum) override { range = {minimum, maximum}; }
    void setProgress(int position) override { positions << position; }
    void hideProgress() override { ++hidden; }

    QStringList plain;
    QStringList messages;
    int upgrades = 0;
    std::function<bool()> onUpgrade;
    std::pair<int, int> range{-1, -1};
    QList<int> positions;
    int hidden = 0;
};

ArticleStatistics figures(std::initializer_list<qint32> values)
{
    ArticleStatistics result{};
    std::copy(values.begin(), values.end(), result.begin());
    return result;
}

// The example book. Words: 春天来了 and 春天 (longest first), 小鸟, the short-code words 唱歌 and
// 我们, the three-character 公园玩. Characters: 在 and 吧 with full codes, 去 with a short code; the
// symbols are in no book.
QList<platform::codefile::CodeGroupContents> exampleCharacters()
{
    return {group("4021", {"在"}), group("4", {"去"}), group("67015", {"吧"}), group("506", {"春"})};
}

QList<platform::codefile::CodeGroupContents> exampleWords()
{
    return {group("501017", {"春天来了"}), group("5010", {"春天"}), group("9027", {"小鸟"}),
            group("66", {"唱歌"}),         group("23", {"我们"}),   group("807", {"公园玩"})};
}

class SegmentArticleTest : public ::testing::Test
{
protected:
    void buildBook(const QList<platform::codefile::CodeGroupContents>& characters,
                   const QList<platform::codefile::CodeGroupContents>& words)
    {
        const BuildReport report =
            buildCodeBook(m_folders.programFolder(), m_folders.systemFolder(), characters, words);
        ASSERT_TRUE(report.ok()) << report.failure->message.toStdString();
    }
    void buildExampleBook() { buildBook(exampleCharacters(), exampleWords()); }

    Segmentation segment(const QString& text, bool filtered = true, bool teacher = false, bool custom = false)
    {
        return SegmentArticle(gbk(text), {m_folders.programFolder(), filtered, teacher, custom}, host);
    }
    QString program(const char* name) const { return m_folders.programFolder() + name; }

    testsupport::TestFolders m_folders;
    RecordingHost host;
};

// The example worked by hand: the file, in GBK and in UTF-8, with its line ends and ASCII.
//   春天来了 ， 小鸟 在 唱歌 。 我们 去 公园玩 吧 ！
//   0000     1  00   1  00   1  00   1  000    1  0    segments, digits alternating
//   0000     1  00   1  44   1  44   4  000    1  0    short codes: 唱歌 66, 我们 23, 去 4
// keystrokes 6 + 4 + 4 + 2 + 2 + 1 + 3 + 5 = 27; with the filter the three symbols go first.
struct ExampleCase
{
    const char* name;
    QByteArray file;
    bool filtered;
    const char* segmentation;
    const char* shortCodes;
    ArticleStatistics statistics;
};

void PrintTo(const ExampleCase& c, std::ostream* os)
{
    *os << c.name;
}

class HandWorkedExample : public SegmentArticleTest, public ::testing::WithParamInterface<ExampleCase>
{
};

TEST_P(HandWorkedExample, GivesThePatternsAndFigures)
{
    buildExampleBook();
    const ExampleCase& c = GetParam();
    ASSERT_TRUE(writeFile(program("article.txt"), c.file));
    const ArticleFileText read = readArticleFile(program("article.txt"));
    ASSERT_TRUE(isLongEnoughForPractice(read.text));
    const QByteArray text =
        c.filtered ? removeFilterSymbols(read.text, LoadFilterSymbols(m_folders.programFolder())) : read.text;

    const Segmentation result =
        SegmentArticle(text, {m_folders.programFolder(), c.filtered, false, false}, host);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(result.article.text, text);
    EXPECT_EQ(result.article.segmentationPattern, c.segmentation);
    EXPECT_EQ(result.article.shortCodePattern, c.shortCodes);
    EXPECT_EQ(result.article.statistics, c.statistics);
    EXPECT_TRUE(host.plain.isEmpty() && host.messages.isEmpty()) << host.messages.join(' ').toStdString();
    EXPECT_EQ(host.range, std::pair(1, int(text.size())));
    EXPECT_EQ(host.positions.last(), text.size());
    EXPECT_EQ(host.hidden, 1);
}

const QString kExampleFile = "春天来了，小鸟在唱歌。\r\n我们去公园玩吧！abc\r\n";
const ArticleStatistics kUnfiltered = figures({19, 3, 1, 1, 0, 3, 1, 2, 3, 27});
const ArticleStatistics kFiltered = figures({16, 3, 1, 1, 0, 3, 1, 2, 0, 27});

INSTANTIATE_TEST_SUITE_P(
    Files, HandWorkedExample,
    ::testing::Values(ExampleCase{"Gbk", gbk(kExampleFile), false, "0000100100100100010",
                                  "0000100144144400010", kUnfiltered},
                      ExampleCase{"Utf8", kExampleFile.toUtf8(), false, "0000100100100100010",
                                  "0000100144144400010", kUnfiltered},
                      ExampleCase{"GbkFiltered", gbk(kExampleFile), true, "0000110110010001",
                                  "0000110444440001", kFiltered},
                      ExampleCase{"Utf8WithMarkFiltered", "\xEF\xBB\xBF" + kExampleFile.toUtf8(), true,
                                  "0000110110010001", "0000110444440001", kFiltered}),
    [](const auto& info) { return std::string(info.param.name); });

// One rule a case, each on a text of its own over a book of its own. A book needs a word (one of none
// has a longest word of 0 bytes, which is refused): "无关" stands in where a case needs none.
struct RuleCase
{
    const char* name;
    QList<platform::codefile::CodeGroupContents> characters;
    QList<platform::codefile::CodeGroupContents> words;
    QString text;
    bool filtered;
    const char* segmentation;
    const char* shortCodes;
    ArticleStatistics statistics;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class SegmentationRule : public SegmentArticleTest, public ::testing::WithParamInterface<RuleCase>
{
};

TEST_P(SegmentationRule, Holds)
{
    const RuleCase& c = GetParam();
    buildBook(c.characters, c.words);
    const Segmentation result = segment(c.text, c.filtered);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(result.article.segmentationPattern, c.segmentation);
    EXPECT_EQ(result.article.shortCodePattern, c.shortCodes);
    EXPECT_EQ(result.article.statistics, c.statistics);
}

INSTANTIATE_TEST_SUITE_P(Rules, SegmentationRule,
                         ::testing::Values(RuleCase{"LongestWordFirst",
                                                    {},
                                                    {group("12345", {"中华"}), group("123", {"中华民"})},
                                                    "中华民",
                                                    true,
                                                    "000",
                                                    "000",
                                                    figures({3, 0, 1, 0, 0, 0, 0, 0, 0, 3})},
                                           RuleCase{"SegmentsOfTwoOneFourOneFour",
                                                    {group("111", {"是", "要"})},
                                                    {group("2222", {"中国"}),
                                                     group("3333", {"社会主义", "艰苦奋斗"})},
                                                    "中国是社会主义要艰苦奋斗",
                                                    true,
                                                    "001000010000",
                                                    "001000010000",
                                                    figures({12, 1, 0, 2, 0, 2, 0, 0, 0, 18})},
                                           RuleCase{"ShortCodeWord",
                                                    {},
                                                    {group("12", {"中国"})},
                                                    "中国中国",
                                                    true,
                                                    "0011",
                                                    "4444",
                                                    figures({4, 2, 0, 0, 0, 0, 0, 2, 0, 4})},
                                           RuleCase{"WordWithoutShortCodeCountsItsFullCode",
                                                    {},
                                                    {group("123456", {"中国"})},
                                                    "中国",
                                                    true,
                                                    "00",
                                                    "00",
                                                    figures({2, 1, 0, 0, 0, 0, 0, 0, 0, 6})},
                                           RuleCase{"ShortCodeAndFullCodeCharacters",
                                                    {group("1", {"的"}), group("12345", {"是"})},
                                                    {group("99", {"无关"})},
                                                    "的是",
                                                    true,
                                                    "01",
                                                    "41",
                                                    figures({2, 0, 0, 0, 0, 2, 1, 0, 0, 6})},
                                           RuleCase{"UnknownCharacterIsASingleCharacterWhenFiltered",
                                                    {group("12345", {"是"})},
                                                    {group("99", {"无关"})},
                                                    "是，是",
                                                    true,
                                                    "010",
                                                    "010",
                                                    figures({3, 0, 0, 0, 0, 3, 0, 0, 0, 10})},
                                           RuleCase{"UnknownCharacterIsASymbolWhenNotFiltered",
                                                    {group("12345", {"是"})},
                                                    {group("99", {"无关"})},
                                                    "是，是",
                                                    false,
                                                    "010",
                                                    "010",
                                                    figures({3, 0, 0, 0, 0, 2, 0, 0, 1, 10})},
                                           RuleCase{"FiveCharactersAndMoreAreMultiCharacterWords",
                                                    {},
                                                    {group("1234", {"中华人民共和国"})},
                                                    "中华人民共和国",
                                                    true,
                                                    "0000000",
                                                    "0000000",
                                                    figures({7, 0, 0, 0, 1, 0, 0, 0, 0, 4})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SegmentArticleTest, AnEmptyTextHasEmptyPatterns)
{
    buildExampleBook();
    const Segmentation result = segment("");
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_TRUE(result.article.segmentationPattern.isEmpty());
    EXPECT_EQ(result.article.statistics, ArticleStatistics{});
}

// The competition: the main book's word stands unless a word book's is longer, and a short-code match
// is never beaten; what MatchWord counted for a match that lost stays counted.
struct CompetitionCase
{
    const char* name;
    QStringList teacherWords;
    QList<CustomWord> customWords;
    const char* segmentation;
    const char* shortCodes;
    ArticleStatistics statistics;
};

void PrintTo(const CompetitionCase& c, std::ostream* os)
{
    *os << c.name;
}

class BookCompetition : public SegmentArticleTest, public ::testing::WithParamInterface<CompetitionCase>
{
};

// 中华人民 in the main book as 中华 (full code) and 人民 (short code "2"); its longest word, which
// makes the window that wide, is not in the text.
TEST_P(BookCompetition, TheLongerWordWins)
{
    const CompetitionCase& c = GetParam();
    buildBook({}, {group("1234", {"中华"}), group("2", {"人民"}), group("7777", {"中华人民共和国"})});
    const bool teacher = !c.teacherWords.isEmpty();
    const bool custom = !c.customWords.isEmpty();
    if (teacher) {
        ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), c.teacherWords).ok());
    }
    if (custom) {
        ASSERT_TRUE(buildCustomBook(m_folders.programFolder(), m_folders.systemFolder(), c.customWords).ok());
    }
    const Segmentation result = segment("中华人民", true, teacher, custom);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(result.article.segmentationPattern, c.segmentation);
    EXPECT_EQ(result.article.shortCodePattern, c.shortCodes);
    EXPECT_EQ(result.article.statistics, c.statistics);
    EXPECT_TRUE(host.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Books, BookCompetition,
                         ::testing::Values(CompetitionCase{"TeacherWordLongerWins",
                                                           {"中华人民"},
                                                           {},
                                                           "0000",
                                                           "0000",
                                                           figures({4, 0, 0, 1, 0, 0, 0, 0, 0, 4})},
                                           CompetitionCase{"TeacherWordOfEqualLengthLoses",
                                                           {"中华"},
                                                           {},
                                                           "0011",
                                                           "0044",
                                                           figures({4, 2, 0, 0, 0, 0, 0, 1, 0, 5})},
                                           CompetitionCase{"CustomWordLongerWins",
                                                           {},
                                                           {{"5006", "中华人"}},
                                                           "0001",
                                                           "0001",
                                                           figures({4, 0, 1, 0, 0, 1, 0, 0, 0, 4})},
                                           CompetitionCase{"CustomWordOfEqualLengthLoses",
                                                           {},
                                                           {{"5006", "中华"}},
                                                           "0011",
                                                           "0044",
                                                           figures({4, 2, 0, 0, 0, 0, 0, 1, 0, 5})},
                                           CompetitionCase{"CustomWordAgainstAShortCodeWordOfEqualLength",
                                                           {},
                                                           {{"5006", "人民"}},
                                                           "0011",
                                                           "0044",
                                                           figures({4, 2, 0, 0, 0, 0, 0, 1, 0, 5})},
                                           CompetitionCase{"BothBooksTheLongestWins",
                                                           {"中华人"},
                                                           {{"5006", "中华人民"}},
                                                           "0000",
                                                           "0000",
                                                           figures({4, 0, 0, 1, 0, 0, 0, 0, 0, 4})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SegmentArticleTest, AShortCodeWordOfTheMainBookIsNotBeatenByALongerUserWord)
{
    buildBook({}, {group("12", {"中华"}), group("7777", {"中华人民共和国"})});
    ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), {"中华人民"}).ok());
    const Segmentation result = segment("中华人民", true, true);
    EXPECT_EQ(result.article.segmentationPattern, "0010");
    EXPECT_EQ(result.article.shortCodePattern, "4410");
}

// A word book row that says its word is longer than the main book's longest is damage: the message
// once, no match from that book, and the segmentation goes on with the others.
TEST_F(SegmentArticleTest, ADamagedWordBookIsToldOnceAndGivesNoMatch)
{
    buildBook({}, {group("1234", {"中华"}), group("7777", {"中华人民共和国"})});
    ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), {"中华人民", "中国人"}).ok());
    {
        auto db = platform::dao::Database::open(program("zDurid.dat"));
        auto words = db->OpenRecordset("ZDYBiao");
        words->Edit();
        words->setField("cilength", 99);
        words->Update();
    }
    const Segmentation result = segment("中华人民中华人民", true, true);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(host.messages, QStringList{QString::fromUtf8(kWordBookDamagedMessage)});
    EXPECT_EQ(result.article.segmentationPattern, "00101101");
}

TEST_F(SegmentArticleTest, MatchCustomWordRefusesALengthOutOfRange)
{
    buildBook({}, {group("1234", {"中华"})});
    ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), {"中华人", "中"}).ok());
    BookOpenFailure failure;
    auto book = BookReader::open(BookKind::Teacher, m_folders.programFolder(), &failure);
    ASSERT_TRUE(book);
    EXPECT_EQ(MatchCustomWord(*book, gbk("中华人民"), 30), 6);
    EXPECT_EQ(MatchCustomWord(*book, gbk("中国"), 30), 2);
    EXPECT_EQ(MatchCustomWord(*book, gbk("人民"), 30), 0);
    EXPECT_EQ(MatchCustomWord(*book, gbk("中华人民"), 2), kDamagedWordBook);
}

TEST_F(SegmentArticleTest, MatchWordEncodesShortCodesInItsResult)
{
    buildBook({group("1", {"的"}), group("12345", {"是"})}, {group("12", {"中国"}), group("1234", {"中华"})});
    BookOpenFailure failure;
    auto book = BookReader::open(BookKind::Code, m_folders.programFolder(), &failure);
    ASSERT_TRUE(book);
    ArticleStatistics statistics{};
    EXPECT_EQ(MatchWord(*book, gbk("中国人"), statistics), 4 * kShortCodeFactor);
    EXPECT_EQ(MatchWord(*book, gbk("中华"), statistics), 4);
    EXPECT_EQ(MatchWord(*book, gbk("的"), statistics), 2 * kShortCodeFactor);
    EXPECT_EQ(MatchWord(*book, gbk("是"), statistics), 2);
    EXPECT_EQ(MatchWord(*book, gbk("人"), statistics), 0);
    EXPECT_EQ(statistics, figures({0, 0, 0, 0, 0, 0, 1, 1, 0, 2 + 4 + 1 + 5}));
}

// What a missing or damaged code book does: an index file that cannot be used ends the segmentation
// early with the whole text handed over; a database that cannot be read abandons the import.
struct DamageCase
{
    const char* name;
    std::function<void(const QString& programFolder)> damage;
    End end;
    const char* plainMessage;  // empty: none
    const char* messagePrefix; // empty: none
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedCodeBook : public SegmentArticleTest, public ::testing::WithParamInterface<DamageCase>
{
};

TEST_P(DamagedCodeBook, IsToldAndNothingIsReadPastTheText)
{
    const DamageCase& c = GetParam();
    buildExampleBook();
    c.damage(m_folders.programFolder());
    const Segmentation result = segment("春天来了小鸟");
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(host.plain, *c.plainMessage ? QStringList{QString::fromUtf8(c.plainMessage)} : QStringList{});
    if (*c.messagePrefix) {
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages[0].startsWith(QString::fromUtf8(c.messagePrefix)))
            << host.messages[0].toStdString();
    } else {
        EXPECT_TRUE(host.messages.isEmpty());
    }
    if (c.end == End::EndedEarly) {
        // every character a segment of its own; only the text's length is counted
        EXPECT_EQ(result.article.segmentationPattern, "010101");
        EXPECT_EQ(result.article.shortCodePattern, "010101");
        EXPECT_EQ(result.article.statistics, figures({6}));
    }
    if (c.end == End::Finished) {
        EXPECT_EQ(result.article.segmentationPattern, "000011");
    }
}

void setLongestWord(const QString& folder, const char* value)
{
    auto db = platform::dao::Database::open(folder + "Durid.dat");
    auto info = db->OpenRecordset("FileInfo");
    info->Edit();
    info->setField("MaxCiLength", value);
    info->Update();
}

INSTANTIATE_TEST_SUITE_P(
    Books, DamagedCodeBook,
    ::testing::Values(DamageCase{"NoIndex", [](const QString& f) { QFile::remove(f + "index.dat"); },
                                 End::EndedEarly, "不能打开idx文件", ""},
                      DamageCase{"EmptyIndex", [](const QString& f) { writeFile(f + "index.dat", ""); },
                                 End::EndedEarly, "不能创建idx文件映射对象", ""},
                      DamageCase{"IndexOfTheWrongSize",
                                 [](const QString& f) { writeFile(f + "index.dat", QByteArray(100, '\1')); },
                                 End::EndedEarly, "idx文件已损坏", ""},
                      DamageCase{"NoDatabase", [](const QString& f) { QFile::remove(f + "Durid.dat"); },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"NotADatabase",
                                 [](const QString& f) { writeFile(f + "Durid.dat", QByteArray(4096, 'x')); },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"NoWordTable",
                                 [](const QString& f) {
                                     auto db = platform::dao::Database::open(f + "Durid.dat");
                                     QSqlQuery(db->connection()).exec("DROP TABLE CiBiao");
                                 },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"LongestWordOfOneByte", [](const QString& f) { setLongestWord(f, "1"); },
                                 End::Abandoned, "", "码本已损坏（最长的词为1字节）"},
                      DamageCase{"LongestWordOfEightyBytes",
                                 [](const QString& f) { setLongestWord(f, "80"); }, End::Abandoned, "",
                                 "码本已损坏（最长的词为80字节）"},
                      DamageCase{"LongestWordOfSeventyNineBytes",
                                 [](const QString& f) { setLongestWord(f, "79"); }, End::Finished, "", ""},
                      DamageCase{"LongestWordUnreadableIsThirty",
                                 [](const QString& f) { setLongestWord(f, "many"); }, End::Finished, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SegmentArticleTest, AMissingTeachersIndexEndsTheSegmentationEarly)
{
    buildExampleBook();
    const Segmentation result = segment("春天来了小鸟", true, true);
    EXPECT_EQ(result.end, End::EndedEarly);
    EXPECT_EQ(host.plain, QStringList{"不能打开idx文件"});
    EXPECT_EQ(result.article.segmentationPattern, "010101");
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(SegmentArticleTest, AMissingCustomBookIsBuiltThroughTheUpgradeAndUsed)
{
    buildExampleBook();
    host.onUpgrade = [this] {
        return buildCustomBook(m_folders.programFolder(), m_folders.systemFolder(), {{"5006", "小鸟在"}})
            .ok();
    };
    const Segmentation result = segment("小鸟在唱歌", true, false, true);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(host.plain, QStringList{QString::fromUtf8(kCustomBookMissingMessage)});
    EXPECT_EQ(host.upgrades, 1);
    EXPECT_EQ(result.article.segmentationPattern, "00011");
}

TEST_F(SegmentArticleTest, TheCustomUpgradeIsOfferedAgainUntilTheUserCancels)
{
    buildExampleBook();
    int offered = 0;
    host.onUpgrade = [&] { return ++offered < 3; }; // OK twice without a book, then Cancel
    const Segmentation result = segment("小鸟在唱歌", true, false, true);
    EXPECT_EQ(result.end, End::Abandoned);
    EXPECT_EQ(host.plain, QStringList(3, QString::fromUtf8(kCustomBookMissingMessage)));
    EXPECT_EQ(host.messages, QStringList{"没有自定义码本，已取消本次导入！"});
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(SegmentArticleTest, ACustomIndexThatCannotBeMappedEndsTheSegmentationEarly)
{
    buildExampleBook();
    ASSERT_TRUE(writeFile(program("indexzdy.dat"), ""));
    const Segmentation result = segment("小鸟在唱歌", true, false, true);
    EXPECT_EQ(result.end, End::EndedEarly);
    EXPECT_EQ(host.plain, QStringList{"不能创建idx文件映射对象"});
    EXPECT_EQ(host.upgrades, 0);
    EXPECT_EQ(result.article.segmentationPattern, "01010");
}

} // namespace
