// The F2 code hint through the real view: small books built by the builders, the cursor moved by
// keys during a test, the hint read from the status bar's message pane.
// Articles, words and hints are plain literals (the sources are UTF-8).
#undef QT_NO_CAST_FROM_ASCII

#include "platform/dao.h"
#include "segmentation/core/bookfiles.h"
#include "segmentation/core/settings.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/segmentation/practicewindow.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <gtest/gtest.h>

using namespace practicetest;
using namespace segmentation;

namespace {

// 中 has the short code 5 beside its full code; 国 begins no word; 民 is not in the code file.
// The longest word, 人民代表大会, lets the hint look 6 characters ahead.
const QList<platform::codefile::CodeGroupContents> kCharacters = {
    booktest::group("5", {"中"}), booktest::group("50006", {"中"}), booktest::group("60015", {"国"}),
    booktest::group("80000", {"人"}), booktest::group("44504", {"华"})};
const QList<platform::codefile::CodeGroupContents> kWords = {booktest::group("500601", {"中国"}),
                                                             booktest::group("12", {"中国人"}),
                                                             booktest::group("800044", {"人民代表大会"})};

struct HintCase
{
    const char* name;
    const char* article;
    int cursor;                              // moved there with Right
    QStringList teacherWords;                // with any, the program runs with "/t"
    QList<booktest::CustomWord> customWords; // with any, the custom book is used
    const char* hint;
};

void PrintTo(const HintCase& c, std::ostream* os)
{
    *os << c.name;
}

class CodeHintViewTest : public PracticeWindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(
            booktest::buildCodeBook(folders.programFolder(), folders.systemFolder(), kCharacters, kWords),
            QString());
    }
    void useTeacherBook(const QStringList& words)
    {
        ASSERT_EQ(booktest::buildTeacherBook(folders.programFolder(), words), QString());
    }
    void useCustomBook(const QList<booktest::CustomWord>& words)
    {
        ASSERT_EQ(booktest::buildCustomBook(folders.programFolder(), folders.systemFolder(), words),
                  QString());
        ASSERT_TRUE(writeSetting(settings::UseCustomBook, 1));
    }
    // Starts a test on the article, moves the cursor and presses F2.
    QString hintAt(const QString& article, int cursor)
    {
        load(makeArticle(article));
        view->OnTestStart();
        EXPECT_TRUE(view->isTesting());
        for (int i = 0; i < cursor; ++i)
            QTest::keyClick(view, Qt::Key_Right);
        EXPECT_EQ(view->cursorPosition(), cursor);
        QTest::keyClick(view, Qt::Key_F2);
        return hintPane();
    }
    // Sets cilength of every row of the custom book.
    void setCustomLengths(int length)
    {
        auto db =
            platform::dao::Database::open(bookFiles(BookKind::Custom, folders.programFolder()).database);
        auto rows = db->OpenRecordset("select * from ZDYBiao", platform::dao::RecordsetType::Dynaset);
        for (rows->MoveFirst(); !rows->isEOF(); rows->MoveNext()) {
            rows->Edit();
            rows->setField("cilength", length);
            rows->Update();
        }
    }
};

class CodeHintCaseTest : public CodeHintViewTest, public ::testing::WithParamInterface<HintCase>
{
};

TEST_P(CodeHintCaseTest, ShowsTheLongestMatchOfTheBooksInThePane)
{
    const HintCase& c = GetParam();
    if (!c.teacherWords.isEmpty())
        useTeacherBook(c.teacherWords);
    if (!c.customWords.isEmpty())
        useCustomBook(c.customWords);
    build(c.teacherWords.isEmpty() ? QString() : "corvelle /t");
    EXPECT_EQ(hintAt(c.article, c.cursor), QString(c.hint));
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty()) << seams.ui.messageTexts().join(' ').toStdString();
    EXPECT_FALSE(view->isCodeBookOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Books, CodeHintCaseTest,
    ::testing::Values(
        HintCase{"WordWithAShortCode", "中国人民", 0, {}, {}, "中国人 的Talvoren码是 12"},
        HintCase{"WordWithoutAShortCode", "中国民", 0, {}, {}, "中国 的Talvoren码是 500601"},
        HintCase{"CharacterWithAShortCode", "中华", 0, {}, {}, "中 的Talvoren码是 5"},
        HintCase{"CharacterThatBeginsNoWord", "中国人", 1, {}, {}, "国 的Talvoren码是 60015"},
        HintCase{"CharacterWithoutACode", "人民", 1, {}, {}, "民 没有Talvoren码"},
        // The window ends with the article: a word longer than what remains does not match.
        HintCase{"LastCharacterAlone", "人民中国人民中", 6, {}, {}, "中 的Talvoren码是 5"},
        // No further than the code book's longest word: 7 characters are past the window of 6.
        HintCase{"TeacherWordPastTheWindow",
                 "中国人民万岁啊",
                 0,
                 {"中国人民万岁啊"},
                 {},
                 "中国人 的Talvoren码是 12"},
        HintCase{"LongerTeacherWord", "中国人民", 0, {"中国人民"}, {}, "中国人民 没有Talvoren码"},
        HintCase{"EquallyLongTeacherWord", "中国人民", 0, {"中国人"}, {}, "中国人 的Talvoren码是 12"},
        HintCase{"LongerCustomWord", "中国人民", 0, {}, {{"777", "中国人民"}}, "中国人民 的自定义码是 777"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CodeHintViewTest, F2DoesNothingOutsideATest)
{
    build();
    load(makeArticle("中国"));
    QTest::keyClick(view, Qt::Key_F2);
    EXPECT_EQ(hintPane(), "就绪");
    EXPECT_FALSE(view->isCodeBookOpen());
}

TEST_F(CodeHintViewTest, ALookupOpensTheClosedCodeBookAndTheTestsEndClosesIt)
{
    build();
    load(makeArticle("中国人"));
    view->OnTestStart();
    EXPECT_EQ(view->LookupCode(booktest::gbk("中国人"), 6), 6);
    EXPECT_EQ(view->hintCode(), "12");
    EXPECT_EQ(view->LookupCode(booktest::gbk("中国人"), 4), 4);
    EXPECT_EQ(view->hintCode(), "500601");
    EXPECT_TRUE(view->isCodeBookOpen());
    view->OnTestEnd();
    EXPECT_FALSE(view->isCodeBookOpen());
}

// cilength is out of range when it is negative or over the code book's longest word in bytes (12).
TEST_F(CodeHintViewTest, ACustomBookWithLengthsOutOfRangeIsDamagedAndTheCodeBookHints)
{
    for (int length : {13, -1}) {
        useCustomBook({{"777", "中国人民"}});
        setCustomLengths(length);
        build();
        EXPECT_EQ(hintAt("中国人民", 0), "中国人 的Talvoren码是 12") << length;
        ASSERT_EQ(seams.ui.messageBoxes().size(), 1) << length;
        EXPECT_EQ(seams.ui.messageBoxes()[0].text, "文件被损坏");
        EXPECT_EQ(seams.ui.messageBoxes()[0].title, "Corvelle");
        seams.ui.clearRecords();
        view->OnTestEnd();
        frame.reset();
    }
    // The longest word's length in bytes is in range, as the check compares characters with bytes.
    useCustomBook({{"777", "中国人民"}});
    setCustomLengths(12);
    build();
    EXPECT_EQ(hintAt("中国人民", 0), "中国人民 的自定义码是 777");
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

TEST_F(CodeHintViewTest, WithoutTheCodeBookTheIndexMessageShowsOnceAndThePaneSaysNothing)
{
    ASSERT_TRUE(QFile::remove(bookFiles(BookKind::Code, folders.programFolder()).index));
    build();
    frame->setPaneText(0, "中 的Talvoren码是 5"); // an earlier hint, of another character
    EXPECT_EQ(hintAt("国人", 0), "就绪");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, "不能打开idx文件");
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, "错误");
    EXPECT_FALSE(view->isCodeBookOpen());
}

TEST_F(CodeHintViewTest, WithoutTheCodeBookAUserBooksWordStillHints)
{
    useCustomBook({{"777", "中国人民"}});
    ASSERT_TRUE(QFile::remove(bookFiles(BookKind::Code, folders.programFolder()).database));
    build();
    EXPECT_EQ(hintAt("中国人民", 0), "中国人民 的自定义码是 777");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes()[0].text.startsWith("码本文件Durid.dat不能读取"))
        << seams.ui.messageBoxes()[0].text.toStdString();
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, "Corvelle");
}

TEST_F(CodeHintViewTest, AMissingTeachersBookIsToldAndTheCodeBookHints)
{
    build("corvelle /t");
    EXPECT_EQ(hintAt("中国人民", 0), "中国人 的Talvoren码是 12");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{"不能打开idx文件"});
}

TEST_F(CodeHintViewTest, ACodeBookWhoseTablesCannotBeReadIsToldAndThePaneSaysNothing)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "hint-damage");
        db.setDatabaseName(bookFiles(BookKind::Code, folders.programFolder()).database);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("DROP TABLE CiBiao"));
    }
    QSqlDatabase::removeDatabase("hint-damage");
    build();
    EXPECT_EQ(hintAt("中国", 0), "就绪");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes()[0].text.startsWith("码本文件Durid.dat不能读取"))
        << seams.ui.messageBoxes()[0].text.toStdString();
    EXPECT_FALSE(view->isCodeBookOpen());
}

} // namespace
