// Forward maximum matching over small books the builders made: the patterns, the ten figures, the
// competition of the books, and what a missing or damaged book does to the segmentation.
// Expected texts are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "platform/dao.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/filtersymbols.h"
#include "segmentation/core/segmentarticle.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include <QFile>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace segmentation;
using namespace booktest;
using End = Segmentation::End;

namespace {

class RecordingHost : public SegmentationHost
{
public:
    void plainMessage(const QString& text) override { plain << text; }
    void message(const QString& text) override { messages << text; }
    bool upgradeCustomBook() override { return onUpgrade ? onUpgrade() : false; }
    void showProgress(int minimum, int maximum) override { range = {minimum, maximum}; }
    void setProgress(int position) override { last = position; }
    void hideProgress() override { ++hidden; }

    QStringList plain, messages;
    std::function<bool()> onUpgrade;
    std::pair<int, int> range{-1, -1};
    int last = -1;
    int hidden = 0;
};

ArticleStatistics figures(std::initializer_list<qint32> values)
{
    ArticleStatistics result{};
    std::copy(values.begin(), values.end(), result.begin());
    return result;
}

// 春天来了 and 春天 (longest first), 小鸟, the short-code words 唱歌 and 我们, 公园玩; the characters
// 在 and 吧 with full codes, 去 with a short code. The symbols are in no book.
const char* kExampleBook =
    "在=4021 去=4 吧=67015 春=506 春天来了=501017 春天=5010 小鸟=9027 唱歌=66 我们=23 公园玩=807";

class SegmentArticleTest : public ::testing::Test
{
protected:
    void buildBook(const QString& entries)
    {
        const QString failure = buildCodeBook(m_folders.programFolder(), m_folders.systemFolder(), entries);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }
    Segmentation segment(const QByteArray& text, bool filtered = true, bool teacher = false,
                         bool custom = false)
    {
        return SegmentArticle(text, {m_folders.programFolder(), filtered, teacher, custom}, host);
    }
    QString program(const char* name) const { return m_folders.programFolder() + name; }

    testsupport::TestFolders m_folders;
    RecordingHost host;
};

// A table of cases over the same folders and host.
template <class Case>
class SegmentArticleCases : public SegmentArticleTest, public ::testing::WithParamInterface<Case>
{
};

// Each case's test is named after the case.
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

// The example worked by hand, from a file in GBK and in UTF-8 with its line ends and ASCII:
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
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.name; }
};

using HandWorkedExample = SegmentArticleCases<ExampleCase>;

TEST_P(HandWorkedExample, GivesThePatternsAndFigures)
{
    const ExampleCase& c = GetParam();
    buildBook(kExampleBook);
    ASSERT_TRUE(writeFile(program("article.txt"), c.file));
    QByteArray text = readArticleFile(program("article.txt")).text;
    if (c.filtered)
        text = removeFilterSymbols(text, LoadFilterSymbols(m_folders.programFolder()));

    const Segmentation result = segment(text, c.filtered);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(result.article.text, text);
    EXPECT_EQ(result.article.segmentationPattern, c.segmentation);
    EXPECT_EQ(result.article.shortCodePattern, c.shortCodes);
    EXPECT_EQ(result.article.statistics, c.statistics);
    EXPECT_TRUE(host.plain.isEmpty() && host.messages.isEmpty());
    EXPECT_EQ(host.range, std::pair(1, int(text.size())));
    EXPECT_EQ(host.last, text.size());
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
    caseName<ExampleCase>);

// One rule a case. The competition cases segment 中华人民 over a main book of 中华 (full code) and
// 人民 (short code), whose longest word makes the window wide enough for the word books' words.
struct RuleCase
{
    const char* name;
    const char* codeBook;
    const char* teacherBook; // empty: not used
    const char* customBook;  // empty: not used
    const char* text;
    const char* segmentation;
    const char* shortCodes;
    ArticleStatistics statistics;
    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }
};

using SegmentationRule = SegmentArticleCases<RuleCase>;

TEST_P(SegmentationRule, Holds)
{
    const RuleCase& c = GetParam();
    buildBook(c.codeBook);
    if (*c.teacherBook) {
        ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), c.teacherBook).isEmpty());
    }
    if (*c.customBook) {
        ASSERT_TRUE(
            buildCustomBook(m_folders.programFolder(), m_folders.systemFolder(), c.customBook).isEmpty());
    }
    const Segmentation result = segment(gbk(c.text), true, *c.teacherBook, *c.customBook);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(result.article.segmentationPattern, c.segmentation);
    EXPECT_EQ(result.article.shortCodePattern, c.shortCodes);
    EXPECT_EQ(result.article.statistics, c.statistics);
}

const char* kCompeting = "中华=1234 人民=2 中华人民共和国=7777";
const ArticleStatistics kMainBookAlone = figures({4, 2, 0, 0, 0, 0, 0, 1, 0, 5});

INSTANTIATE_TEST_SUITE_P(
    Rules, SegmentationRule,
    ::testing::Values(RuleCase{"LongestWordFirst", "中华=12345 中华民=123", "", "", "中华民", "000", "000",
                               figures({3, 0, 1, 0, 0, 0, 0, 0, 0, 3})},
                      RuleCase{"SegmentsOfTwoOneFourOneFour",
                               "是=111 要=111 中国=2222 社会主义=3333 艰苦奋斗=3333", "", "",
                               "中国是社会主义要艰苦奋斗", "001000010000", "001000010000",
                               figures({12, 1, 0, 2, 0, 2, 0, 0, 0, 18})},
                      RuleCase{"FiveCharactersAndMoreAreMultiCharacterWords", "中华人民共和国=1234", "", "",
                               "中华人民共和国", "0000000", "0000000",
                               figures({7, 0, 0, 0, 1, 0, 0, 0, 0, 4})},
                      RuleCase{"EmptyText", kCompeting, "", "", "", "", "", figures({})},
                      RuleCase{"TeacherWordLongerWins", kCompeting, "中华人民", "", "中华人民", "0000",
                               "0000", figures({4, 0, 0, 1, 0, 0, 0, 0, 0, 4})},
                      RuleCase{"TeacherWordOfEqualLengthLoses", kCompeting, "中华", "", "中华人民", "0011",
                               "0044", kMainBookAlone},
                      RuleCase{"CustomWordLongerWins", kCompeting, "", "中华人=5006", "中华人民", "0001",
                               "0001", figures({4, 0, 1, 0, 0, 1, 0, 0, 0, 4})},
                      RuleCase{"CustomWordOfEqualLengthLoses", kCompeting, "", "人民=5006", "中华人民",
                               "0011", "0044", kMainBookAlone},
                      RuleCase{"TheLongestOfAllBooksWins", kCompeting, "中华人", "中华人民=5006", "中华人民",
                               "0000", "0000", figures({4, 0, 0, 1, 0, 0, 0, 0, 0, 4})},
                      RuleCase{"AShortCodeMatchIsNeverBeaten", "中华=12 中华人民共和国=7777", "中华人民", "",
                               "中华人民", "0010", "4410", figures({4, 1, 0, 0, 0, 2, 0, 1, 0, 2})}),
    caseName<RuleCase>);

// A word book row whose length is out of range: told once, no match from that book, and the
// segmentation goes on (without the damage, 中华人民 would win).
TEST_F(SegmentArticleTest, ADamagedWordBookIsToldOnceAndGivesNoMatch)
{
    buildBook(kCompeting);
    ASSERT_TRUE(buildTeacherBook(m_folders.programFolder(), "中华人民 中国人").isEmpty());
    {
        auto db = platform::dao::Database::open(program("zDurid.dat"));
        auto words = db->OpenRecordset("ZDYBiao");
        words->Edit();
        words->setField("cilength", 99);
        words->Update();
    }
    const Segmentation result = segment(gbk("中华人民中华人民"), true, true);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(host.messages, QStringList{QString::fromUtf8(kWordBookDamagedMessage)});
    EXPECT_EQ(result.article.segmentationPattern, "00110011");
}

// A code book that cannot be used: an index file ends the segmentation early and the whole text is
// handed over, each character a segment of its own; a database that cannot be read abandons it.
struct DamageCase
{
    const char* name;
    void (*damage)(const QString& programFolder);
    End end;
    const char* plainMessage;  // empty: none
    const char* messagePrefix; // empty: none
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }
};

using DamagedCodeBook = SegmentArticleCases<DamageCase>;

TEST_P(DamagedCodeBook, IsToldAndNothingIsReadPastTheText)
{
    const DamageCase& c = GetParam();
    buildBook(kExampleBook);
    c.damage(m_folders.programFolder());
    const Segmentation result = segment(gbk("春天来了小鸟"));
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(host.plain, *c.plainMessage ? QStringList{c.plainMessage} : QStringList{});
    EXPECT_EQ(host.messages.size(), *c.messagePrefix ? 1 : 0);
    if (*c.messagePrefix && !host.messages.isEmpty()) {
        EXPECT_TRUE(host.messages[0].startsWith(c.messagePrefix)) << host.messages[0].toStdString();
    }
    const std::map<End, const char*> patterns{{End::EndedEarly, "010101"}, {End::Finished, "000011"}};
    if (c.end != End::Abandoned) {
        EXPECT_EQ(result.article.segmentationPattern, patterns.at(c.end));
        EXPECT_EQ(result.article.statistics[TestCharacters], 6);
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
                                 [](const QString& f) { writeFile(f + "index.dat", "\1\1\1"); },
                                 End::EndedEarly, "idx文件已损坏", ""},
                      DamageCase{"NoDatabase", [](const QString& f) { QFile::remove(f + "Durid.dat"); },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"NotADatabase",
                                 [](const QString& f) { writeFile(f + "Durid.dat", QByteArray(4096, 'x')); },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"NoWordTable",
                                 [](const QString& f) {
                                     QSqlQuery(platform::dao::Database::open(f + "Durid.dat")->connection())
                                         .exec("DROP TABLE CiBiao");
                                 },
                                 End::Abandoned, "", "码本文件Durid.dat不能读取"},
                      DamageCase{"LongestWordOfOneByte", [](const QString& f) { setLongestWord(f, "1"); },
                                 End::Abandoned, "", "码本已损坏（最长的词为1字节）"},
                      DamageCase{"LongestWordOfEightyBytes",
                                 [](const QString& f) { setLongestWord(f, "80"); }, End::Abandoned, "",
                                 "码本已损坏（最长的词为80字节）"},
                      DamageCase{"LongestWordOfSeventyNineBytes",
                                 [](const QString& f) { setLongestWord(f, "79"); }, End::Finished, "", ""}),
    caseName<DamageCase>);

TEST_F(SegmentArticleTest, AMissingTeachersIndexEndsTheSegmentationEarly)
{
    buildBook(kExampleBook);
    const Segmentation result = segment(gbk("春天来了小鸟"), true, true);
    EXPECT_EQ(result.end, End::EndedEarly);
    EXPECT_EQ(host.plain, QStringList{"不能打开idx文件"});
    EXPECT_EQ(result.article.segmentationPattern, "010101");
}

TEST_F(SegmentArticleTest, AMissingCustomBookIsBuiltThroughTheUpgradeAndUsed)
{
    buildBook(kCompeting);
    host.onUpgrade = [this] {
        return buildCustomBook(m_folders.programFolder(), m_folders.systemFolder(), "中华人=5006").isEmpty();
    };
    const Segmentation result = segment(gbk("中华人民"), true, false, true);
    EXPECT_EQ(result.end, End::Finished);
    EXPECT_EQ(host.plain, QStringList{QString::fromUtf8(kCustomBookMissingMessage)});
    EXPECT_EQ(result.article.segmentationPattern, "0001");
}

TEST_F(SegmentArticleTest, TheCustomUpgradeIsOfferedAgainUntilTheUserCancels)
{
    buildBook(kCompeting);
    int offered = 0;
    host.onUpgrade = [&] { return ++offered < 3; }; // OK twice without a book, then Cancel
    EXPECT_EQ(segment(gbk("中华人民"), true, false, true).end, End::Abandoned);
    EXPECT_EQ(host.plain, QStringList(3, QString::fromUtf8(kCustomBookMissingMessage)));
    EXPECT_EQ(host.messages, QStringList{"没有自定义码本，已取消本次导入！"});
    EXPECT_EQ(host.hidden, 1);
}

TEST_F(SegmentArticleTest, ACustomIndexThatCannotBeMappedEndsTheSegmentationEarly)
{
    buildBook(kCompeting);
    ASSERT_TRUE(writeFile(program("indexzdy.dat"), ""));
    const Segmentation result = segment(gbk("中华人民"), true, false, true);
    EXPECT_EQ(result.end, End::EndedEarly);
    EXPECT_EQ(host.plain, QStringList{"不能创建idx文件映射对象"});
    EXPECT_EQ(result.article.segmentationPattern, "0101");
}

} // namespace
