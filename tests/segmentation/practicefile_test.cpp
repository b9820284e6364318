// Practice files: the four lines on the disk, the figures counted back from the segmentation, the
// text taken as from any article file, and every kind of damaged file refused.
#include "platform/gbk.h"
#include "segmentation/core/practicefile.h"
#include "tests/support/files.h"
#include "tests/support/testfolders.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

// An article as an import hands it over: words of 2, 1, 4, 1 and 4 characters and a symbol of its
// own, the first word and the second character entered by short codes.
Article importedArticle()
{
    Article article;
    article.text = platform::gbk::encode(u"春风吹绿了江南岸边的柳树，");
    article.segmentationPattern = "0010000100001";
    article.shortCodePattern = "4440000100001";
    article.statistics = {13, 1, 0, 2, 0, 2, 1, 1, 1, 25};
    return article;
}

// A practice file of the lines, each ended by CR LF, and the text after them.
QByteArray practiceFile(const QByteArray& pattern, const QByteArray& shortCodes, const QByteArray& figures,
                        const QString& text)
{
    return pattern + "\r\n" + shortCodes + "\r\n" + figures + "\r\n" + platform::gbk::encode(text) + "\r\n";
}

TEST(PracticeFileTest, ASavedArticleIsFourCrLfLinesAndReadsBackWithTheImportsFigures)
{
    testsupport::TestFolders folders;
    const QString path = folders.programFolder() + QStringLiteral("lesson.sav");
    const Article article = importedArticle();
    ASSERT_TRUE(writePracticeFile(path, article));

    const QByteArray bytes = testsupport::readFile(path);
    EXPECT_EQ(bytes, "0010000100001\r\n4440000100001\r\n25\t1\t1\t1\r\n" + article.text + "\r\n");
    const PracticeFileRead read = readPracticeFile(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.article, article);
}

TEST(PracticeFileTest, TheExtensionIsAppendedInEveryCase)
{
    EXPECT_EQ(practiceFilePath(QStringLiteral("/home/u/lesson")), QStringLiteral("/home/u/lesson.sav"));
    EXPECT_EQ(practiceFilePath(QStringLiteral("/home/u/lesson.sav")),
              QStringLiteral("/home/u/lesson.sav.sav"));
}

struct RunCase
{
    const char* name;
    QByteArray pattern;
    const char* symbols;
    std::array<qint32, 6> figures; // 0 to 5
    friend void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }
};

using RunCountingTest = ::testing::TestWithParam<RunCase>;

TEST_P(RunCountingTest, EachRunOfLineOneIsAWordCountedByItsLength)
{
    const RunCase& c = GetParam();
    const QString text(c.pattern.size(), u'字');
    const PracticeFileRead read =
        readPracticeFile(practiceFile(c.pattern, c.pattern, QByteArray("9\t0\t0\t") + c.symbols, text));
    ASSERT_TRUE(read.ok()) << int(read.problem);
    for (std::size_t i = 0; i < c.figures.size(); ++i)
        EXPECT_EQ(read.article.statistics[i], c.figures[i]) << "figure " << i;
    EXPECT_EQ(read.article.statistics[BestKeystrokes], 9);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RunCountingTest,
    ::testing::Values(RunCase{"TwoThreeOneOneWithOneSymbol", "0011101", "1", {7, 1, 1, 0, 0, 1}},
                      RunCase{"OneThenTwo", "011", "0", {3, 1, 0, 0, 0, 1}},
                      RunCase{"FourFiveAndSix", "000011111000000", "0", {15, 0, 0, 1, 2, 0}},
                      RunCase{"OneWordOfOne", "0", "0", {1, 0, 0, 0, 0, 1}}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

TEST(PracticeFileTest, LinesEndedByLfAloneReadAsWell)
{
    const PracticeFileRead read =
        readPracticeFile(QByteArray("01\n01\n4\t0\t0\t0\n") + platform::gbk::encode(u"江南") + "\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.article.segmentationPattern, "01");
    EXPECT_EQ(read.article.statistics[SingleCharacters], 2);
}

TEST(PracticeFileTest, TheTextSkipsSingleBytesAndStopsAtTenThousandCharacters)
{
    const QByteArray pattern(10000, '0');
    const QByteArray text = platform::gbk::encode(QString(10001, u'字'));
    const PracticeFileRead read = readPracticeFile(pattern + "\r\n" + pattern + "\r\n0\t0\t0\t0\r\nab " +
                                                   text.first(2) + "\r\n" + text.sliced(2));
    ASSERT_TRUE(read.ok()) << int(read.problem);
    EXPECT_EQ(read.article.text, text.first(20000));
    EXPECT_EQ(read.article.statistics[TestCharacters], 10000);
    EXPECT_EQ(read.article.statistics[MultiCharacterWords], 1);
}

struct DamagedCase
{
    const char* name;
    QByteArray bytes;
    PracticeFileProblem problem;
    friend void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }
};

using DamagedPracticeFileTest = ::testing::TestWithParam<DamagedCase>;

TEST_P(DamagedPracticeFileTest, IsRefusedWithItsProblem)
{
    const PracticeFileRead read = readPracticeFile(GetParam().bytes);
    EXPECT_EQ(read.problem, GetParam().problem);
    EXPECT_EQ(read.article, Article());
    EXPECT_FALSE(practiceFileProblemText(read.problem).isEmpty());
}

const QString kFour = QStringLiteral("小河流水");

using enum PracticeFileProblem;

const DamagedCase kDamagedFiles[] = {
    {"LineOneOverTwentyThousandDigits", practiceFile(QByteArray(20001, '0'), "0011", "0\t0\t0\t0", kFour),
     PatternTooLong},
    {"LineTwoOverTwentyThousandDigits", practiceFile("0011", QByteArray(20001, '0'), "0\t0\t0\t0", kFour),
     PatternTooLong},
    {"TwentyThousandDigitsDoNotMatchTheText",
     practiceFile(QByteArray(20000, '0'), "0011", "0\t0\t0\t0", kFour), LengthMismatch},
    {"AnArticleTextFile", platform::gbk::encode(u"小河流水，\r\n春风吹绿。\r\n江南岸边。\r\n"), NotPatterns},
    {"OneLineOnly", platform::gbk::encode(u"小河流水"), MissingLines},
    {"EndsAfterLineThreeWithoutItsEnd", "0011\r\n0011\r\n0\t0\t0\t0", MissingLines},
    {"OtherDigitsInLineOne", practiceFile("0021", "0011", "0\t0\t0\t0", kFour), NotPatterns},
    {"TypedDigitsInLineTwo", practiceFile("0011", "2233", "0\t0\t0\t0", kFour), NotPatterns},
    {"LineThreeLacksATab", practiceFile("0011", "0011", "0\t0\t0", kFour), BadFigures},
    {"LineThreeHasAFifthNumber", practiceFile("0011", "0011", "0\t0\t0\t0\t0", kFour), BadFigures},
    {"LineThreeHoldsAWord", practiceFile("0011", "0011", "0\t0\tabc\t0", kFour), BadFigures},
    {"LineThreeHoldsANumberWithATail", practiceFile("0011", "0011", "0\t0\t12x\t0", kFour), BadFigures},
    {"ANegativeCount", practiceFile("0011", "0011", "-1\t0\t0\t0", kFour), BadFigures},
    {"ACountBeyondThirtyTwoBits", practiceFile("0011", "0011", "2147483648\t0\t0\t0", kFour), BadFigures},
    {"NoDoubleByteText", "0011\r\n0011\r\n0\t0\t0\t0\r\nabcd\r\n", NoText},
    {"LineOneShorterThanTheText", practiceFile("001", "0011", "0\t0\t0\t0", kFour), LengthMismatch},
    {"LineTwoLongerThanTheText", practiceFile("0011", "00111", "0\t0\t0\t0", kFour), LengthMismatch},
    {"MoreSymbolsThanSingleCharacters", practiceFile("0101", "0101", "0\t0\t0\t5", kFour), TooManySymbols},
};

INSTANTIATE_TEST_SUITE_P(Files, DamagedPracticeFileTest, ::testing::ValuesIn(kDamagedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
