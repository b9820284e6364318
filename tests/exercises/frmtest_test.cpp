// The article test through its real widgets: laying out, judging and moving the indicator, the
// clock and the check, and the article store with its import and delete.
#include "exercises/articlesheet.h"
#include "exercises/frmtest.h"
#include "tests/exercises/drillfixture.h"
#include "tests/support/files.h"

#include "platform/gbk.h"
#include "platform/ime/imefiles.h"
#include "platform/ime/inputmethod.h"
#include "platform/keyboard.h"
#include "platform/windowproc.h"
#include "shell/frmresult.h"
#include "shell/module1.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace drilltest {
namespace {

// n distinct characters.
QString article(int n)
{
    return wordFor(0, n);
}

class ArticleTest : public DrillTest
{
protected:
    void useArticles(const QList<std::pair<QString, QString>>& articles)
    {
        QList<QVariantList> rows;
        for (const auto& [title, text] : articles)
            rows.append({title, text, int(rows.size()) + 1});
        const QString path = folders.programFolder() + QStringLiteral("talvorendb.dat");
        createTable(
            path, QStringLiteral("CREATE TABLE TestArticle (title TEXT, wenzhang LONGTEXT, number INTEGER)"),
            rows);
        Module1::gDatabase = platform::dao::Database::open(path);
    }
    void open() { m_test = openDialog<exercises::frmtest>("frmtest", QStringLiteral("Talvoren汉字测试")); }
    void openAndStart(const QString& text)
    {
        useArticles({{QStringLiteral("one"), text}});
        open();
        list()->setCurrentRow(0);
        press("CmdStart");
    }

    template <typename T> T* find(const char* name) const { return child<T>(QString::fromLatin1(name)); }
    QListWidget* list() const { return find<QListWidget>("List1"); }
    exercises::ArticleSheet* sheet() const { return find<exercises::ArticleSheet>("Picture3"); }
    QLineEdit* answer() const { return find<QLineEdit>("Text1"); }
    QWidget* indicator() const { return find<QWidget>("Image1"); }
    void press(const char* name) { button(name)->click(); }
    // As the input method commits a character or a word.
    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(answer(), &event);
    }
    void key(Qt::Key key) { QTest::keyClick(answer(), key); }
    // title and number of each stored row, in row order.
    QStringList storedRows() const
    {
        QSqlQuery query(Module1::gDatabase->connection());
        query.exec(QStringLiteral("SELECT title, number FROM TestArticle ORDER BY rowid"));
        QStringList rows;
        while (query.next())
            rows << query.value(0).toString() + u'/' + query.value(1).toString();
        return rows;
    }
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = folders.programFolder() + QStringLiteral("import.txt");
        EXPECT_TRUE(testsupport::writeFile(path, bytes));
        return path;
    }

    exercises::frmtest* m_test = nullptr;
};

TEST_F(ArticleTest, OpensWithTheTitlesInRowOrderAndTheInstructionsOverTheSheet)
{
    useArticles({{QStringLiteral("b"), article(30)}, {QStringLiteral("a"), article(30)}});
    open();
    EXPECT_EQ(m_test->windowTitle(), QStringLiteral("Talvoren汉字测试"));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("b"));
    EXPECT_TRUE(find<QWidget>("Picture2")->isVisible());
    EXPECT_FALSE(button("CmdPause")->isEnabled());
    EXPECT_FALSE(button("CmdCheck")->isEnabled());
    EXPECT_TRUE(find<QTimer>("Timer2")->isActive());
    press("CmdStart");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, QStringLiteral("请先选择测试的文章"));
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("Talvoren汉字测试"));
}

TEST_F(ArticleTest, StartLaysOutFifteenToARowAndSwitchesToTheInputMethod)
{
    openAndStart(article(16));
    EXPECT_EQ(m_test->articleLength(), 16);
    EXPECT_EQ(sheet()->character(16), article(16).at(15));
    EXPECT_EQ(indicator()->pos(), QPoint(0, 30));
    EXPECT_TRUE(indicator()->isVisible());
    EXPECT_FALSE(find<QWidget>("Picture2")->isVisible());
    EXPECT_TRUE(find<QWidget>("VScroll2")->isVisible());
    EXPECT_TRUE(imeSelected());
    commit(article(15));
    // Character 16 starts the second row.
    EXPECT_EQ(m_test->articlePos(), 16);
    EXPECT_EQ(indicator()->pos(), QPoint(0, 90));
    EXPECT_TRUE(answer()->text().isEmpty());
}

TEST_F(ArticleTest, ThreeCharactersInOneCommitAreJudgedInOrderAndTheLastIsJudgedAgain)
{
    const QString text = QStringLiteral("A,") + QChar(0x3002) + article(2);
    openAndStart(text);
    // Full-width forms count as their ASCII characters; a full-width comma is no full stop.
    commit(QString(QChar(0xFF21)) + QChar(0xFF0C) + QChar(0xFF0C));
    EXPECT_EQ(sheet()->mark(1), kWhite);
    EXPECT_EQ(sheet()->mark(2), kWhite);
    EXPECT_EQ(sheet()->mark(3), kRed);
    EXPECT_EQ(m_test->articlePos(), 4);
    commit(text.mid(3, 1));
    commit(text.right(1) + QStringLiteral("xy"));
    EXPECT_EQ(m_test->articlePos(), 5);
    EXPECT_EQ(sheet()->mark(5), kWhite);
    commit(QStringLiteral("x"));
    EXPECT_EQ(sheet()->mark(5), kRed);
    EXPECT_EQ(m_test->articlePos(), 5);
}

TEST_F(ArticleTest, BackspaceStepsBackAndClearsTheMark)
{
    openAndStart(article(40));
    key(Qt::Key_Backspace);
    EXPECT_EQ(m_test->articlePos(), 1);
    commit(QStringLiteral("xy"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(m_test->articlePos(), 2);
    EXPECT_EQ(sheet()->mark(2), QColor(0, 0, 0));
    EXPECT_EQ(sheet()->mark(1), kRed);
    EXPECT_EQ(indicator()->pos(), QPoint(32, 30));
}

TEST_F(ArticleTest, ViewFollowsTheIndicatorAndTheMirrorSnapsBack)
{
    openAndStart(article(10 * 15));
    for (int row = 1; row <= 5; ++row)
        key(Qt::Key_Down);
    EXPECT_EQ(sheet()->y(), -60);
    auto* mirror = find<QScrollBar>("VScroll2");
    EXPECT_EQ(mirror->value(), 1);
    mirror->setValue(3);
    EXPECT_EQ(mirror->value(), 1);
    EXPECT_EQ(sheet()->y(), -60);
}

TEST_F(ArticleTest, WhatIsTypedWhilePausedIsJudgedWithTheNextCharacter)
{
    openAndStart(article(10));
    press("CmdPause");
    EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
    commit(article(2));
    key(Qt::Key_Right);
    EXPECT_EQ(answer()->text(), article(2));
    EXPECT_EQ(m_test->articlePos(), 1);
    press("CmdPause");
    commit(article(3).right(1));
    EXPECT_EQ(m_test->articlePos(), 4);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(sheet()->mark(i), kWhite) << i;
}

TEST_F(ArticleTest, ClockCountsUpPastAHundredMinutes)
{
    openAndStart(article(30));
    timerSteps(*m_test, 60);
    EXPECT_EQ(panel(2), QStringLiteral("01:00"));
    timerSteps(*m_test, 99 * 60);
    EXPECT_EQ(panel(2), QStringLiteral("100:00"));
}

TEST_F(ArticleTest, CheckBeforeTheFirstClockStepGivesNothing)
{
    openAndStart(article(30));
    commit(article(1));
    press("CmdCheck");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, QStringLiteral("还没打字！就看成绩，当然0分"));
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
}

TEST_F(ArticleTest, CheckCountsTheMarksOfTheWholeArticle)
{
    const QString text = article(300);
    openAndStart(text);
    commit(text.left(118));
    commit(QStringLiteral("xx"));
    timerSteps(*m_test, 90);
    press("CmdCheck");
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows().front().owner, m_test);
    EXPECT_EQ(FrmResult::instance().Label4()->text(), QStringLiteral("用时1.5分 打字120个 其中正确118个"));
    EXPECT_FLOAT_EQ(Module1::gAccuracy, 118.0f / 300);
    EXPECT_FLOAT_EQ(Module1::gTypingSpeed, 80.0f);
    EXPECT_FLOAT_EQ(Module1::gEffectiveSpeed, 78.666664f);
    EXPECT_EQ(sheet()->mark(1), exercises::ArticleSheet::kSheetColour);
    EXPECT_TRUE(find<QWidget>("Picture2")->isVisible());
    EXPECT_EQ(panel(2), QStringLiteral("00:00"));
    EXPECT_FALSE(button("CmdCheck")->isEnabled());
    EXPECT_FALSE(button("CmdPause")->isEnabled());
    EXPECT_FALSE(find<QWidget>("VScroll2")->isVisible());
}

TEST_F(ArticleTest, ArticleWithoutTextIsNotLaidOut)
{
    openAndStart(QString());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(m_test->articleLength(), 0);
    EXPECT_TRUE(find<QWidget>("Picture2")->isVisible());
    EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
}

struct ImportCase
{
    const char* name;
    int characters;
    bool stored;
};

class ArticleImport : public ArticleTest, public ::testing::WithParamInterface<ImportCase>
{
};

TEST_P(ArticleImport, KeepsMoreThanTwentyCharacters)
{
    useArticles({{QStringLiteral("first"), article(30)}});
    open();
    // Blanks and line breaks do not count.
    const QString text = QStringLiteral(" \r\n") + article(GetParam().characters) + QStringLiteral(" \t\r\n");
    seams.ui.queueFileName(writeFile(platform::gbk::encode(text)));
    seams.ui.queueInputBoxAnswer(QStringLiteral("second"));
    press("CmdImport");
    if (GetParam().stored) {
        EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
        EXPECT_EQ(seams.ui.inputPrompts(), QStringList{QStringLiteral("请输入测试文章的别名")});
        EXPECT_EQ(storedRows(), (QStringList{QStringLiteral("first/1"), QStringLiteral("second/2")}));
        EXPECT_EQ(list()->item(1)->text(), QStringLiteral("second"));
    } else {
        ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
        EXPECT_EQ(
            seams.ui.messageBoxes()[0].text,
            QStringLiteral(
                "该文件不满足条件，请另选一篇中文文档！\r\n可能是没有汉字，或汉字的数目太少，不适宜练习。"));
        EXPECT_TRUE(seams.ui.inputPrompts().isEmpty());
        EXPECT_EQ(storedRows().size(), 1);
    }
    EXPECT_EQ(m_test->focusWidget(), answer());
}

INSTANTIATE_TEST_SUITE_P(Lengths, ArticleImport,
                         ::testing::Values(ImportCase{"Twenty", 20, false},
                                           ImportCase{"TwentyOne", 21, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArticleTest, ImportThatEndsEarlyStoresNothing)
{
    useArticles({});
    open();
    press("CmdImport"); // the file dialog cancelled
    seams.ui.queueFileName(folders.programFolder() + QStringLiteral("none.txt"));
    press("CmdImport");
    seams.ui.queueFileName(writeFile(article(30).toUtf8()));
    seams.ui.queueInputBoxAnswer(std::nullopt);
    press("CmdImport");
    seams.ui.queueFileName(writeFile(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + article(30).toUtf8()));
    press("CmdImport");
    EXPECT_EQ(seams.ui.messageBoxes().size(), 1); // for the binary file only
    EXPECT_TRUE(storedRows().isEmpty());
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(ArticleTest, LongFileIsStoredCutAndTheUserIsTold)
{
    useArticles({});
    open();
    seams.ui.queueFileName(writeFile(QString(40000, QChar(0x6587)).toUtf8()));
    seams.ui.queueInputBoxAnswer(QStringLiteral("long"));
    press("CmdImport");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(seams.ui.messageBoxes()[0].text.contains(QStringLiteral("32767")));
    QSqlQuery query(Module1::gDatabase->connection());
    query.exec(QStringLiteral("SELECT wenzhang FROM TestArticle"));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toString(), QString(32767, QChar(0x6587)));
}

TEST_F(ArticleTest, DeleteRenumbersTheRestOrLeavesThemAsTheyWere)
{
    const QString text = article(30);
    useArticles({{QStringLiteral("a"), text}, {QStringLiteral("b"), text}, {QStringLiteral("c"), text}});
    open();
    press("CmdDelete");
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请先在列表框中选择文件")});
    // A renumbering that cannot be written undoes the whole delete.
    QSqlQuery refuse(Module1::gDatabase->connection());
    refuse.exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE ON TestArticle BEGIN SELECT RAISE(ABORT, 'no'); END"));
    list()->setCurrentRow(0);
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    press("CmdDelete");
    EXPECT_EQ(seams.ui.messageBoxes().size(), 3);
    EXPECT_EQ(storedRows(),
              (QStringList{QStringLiteral("a/1"), QStringLiteral("b/2"), QStringLiteral("c/3")}));
    EXPECT_EQ(list()->count(), 3);

    refuse.exec(QStringLiteral("DROP TRIGGER refuse"));
    list()->setCurrentRow(1);
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    press("CmdDelete");
    EXPECT_EQ(seams.ui.messageBoxes().last().text, QStringLiteral("确实要删除b?"));
    EXPECT_EQ(storedRows(), (QStringList{QStringLiteral("a/1"), QStringLiteral("c/2")}));
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentRow(), -1);
}

TEST_F(ArticleTest, ClosingSwitchesBackAndPutsTheAnswerBoxsProcedureBack)
{
    openAndStart(article(30));
    EXPECT_NE(platform::GetWindowLongA(answer(), platform::GWL_WNDPROC), platform::defaultWindowProcedure());
    press("CmdExit");
    EXPECT_FALSE(m_test->isVisible());
    EXPECT_EQ(platform::KeyboardLayouts::instance().activeLayoutId(),
              QByteArray(platform::kUsEnglishLayoutId));
    EXPECT_EQ(platform::GetWindowLongA(answer(), platform::GWL_WNDPROC), platform::defaultWindowProcedure());
}

// The road a learner takes: the first sample article typed through the built-in input method.
TEST_F(ArticleTest, SampleArticleTypedThroughTheInputMethod)
{
    platform::ime::InputMethod& inputMethod = installSampleInputMethod();
    ASSERT_NO_FATAL_FAILURE(useSampleDatabase());
    // A code of each character, from the input method's own files.
    const platform::ime::LoadedTable loaded = platform::ime::loadCodeTable(folders.systemFolder());
    ASSERT_TRUE(loaded.table);
    QHash<QChar, QString> codes;
    for (const platform::ime::CodeEntry& entry : loaded.table->entries()) {
        const QString text = platform::gbk::decode(loaded.table->text(entry));
        if (text.size() == 1 && !codes.contains(text[0]))
            codes.insert(text[0], QString::fromLatin1(platform::ime::CodeTable::code(entry)));
    }
    open();
    ASSERT_GT(list()->count(), 0);
    list()->setCurrentRow(0);
    press("CmdStart");
    ASSERT_TRUE(inputMethod.isOn());

    // Characters by their codes; a full-width comma as the ASCII one on the keyboard.
    int typed = 0;
    for (; typed < 20; ++typed) {
        const QChar c = sheet()->character(typed + 1);
        if (codes.contains(c))
            typeCode(m_test, codes.value(c), QString(c));
        else if (c == QChar(0xFF0C))
            QTest::keyClick(answer(), Qt::Key_Comma);
        else
            break;
    }
    ASSERT_GE(typed, 12);
    EXPECT_EQ(m_test->articlePos(), typed + 1);
    for (int i = 1; i <= typed; ++i)
        EXPECT_EQ(sheet()->mark(i), kWhite) << i;
    timerSteps(*m_test, 30);
    press("CmdCheck");
    EXPECT_EQ(FrmResult::instance().Label4()->text(),
              QStringLiteral("用时0.5分 打字%1个 其中正确%1个").arg(typed));
    press("CmdExit");
    EXPECT_FALSE(inputMethod.isOn());
}

} // namespace
} // namespace drilltest
