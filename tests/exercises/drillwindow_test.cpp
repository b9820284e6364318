// The drill family through its real widgets: the behaviour the six windows share.
#include "tests/exercises/drillfixture.h"

#include "platform/uiservice.h"
#include "shell/frmresult.h"
#include "shell/module1.h"

#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace drilltest {
namespace {

class DrillMember : public DrillTest, public ::testing::WithParamInterface<Member>
{
protected:
    // A lesson a little larger than a page, opened and started on its first rows.
    void openAndStart(int rowCount = 0)
    {
        ASSERT_NO_FATAL_FAILURE(openOnFirstRows(GetParam(), rowCount ? rowCount : pageSize() + 8));
        start();
    }
    int pageSize() const { return GetParam().pageSize; }
    // Answers boxes from..to-1 rightly.
    void answerRightly(int from, int to)
    {
        for (int k = from; k < to; ++k)
            type(k, item(k)->text());
    }
};

TEST_P(DrillMember, OpensItsLessonByWindowName)
{
    const Member& m = GetParam();
    useLesson(m, m.pageSize + 8);
    exercises::DrillWindow* window = openWindow(m);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->loadFailed());
    EXPECT_EQ(window->objectName(), QString::fromLatin1(m.window));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(m.title));
    EXPECT_FALSE(child<QLabel>(QStringLiteral("Label6"))->text().trimmed().isEmpty());
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_TRUE(button("CmdStart")->isEnabled());
    EXPECT_FALSE(button("Command3")->isEnabled());
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_EQ(panel(4), QStringLiteral("00:00"));
    EXPECT_NE(child<QLineEdit>(QString::fromLatin1(m.overlay)), nullptr);
    EXPECT_NE(box(m.pageSize - 1), nullptr);
    EXPECT_EQ(box(m.pageSize), nullptr);
}

TEST_P(DrillMember, StartShowsAPageOfTheDrawnRows)
{
    openAndStart();
    const Member& m = GetParam();
    EXPECT_FALSE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_EQ(panel(1), QString::fromUtf8(m.countsOneCharacter ? "请在文本框中输入对应的汉字"
                                                               : "请在文本框中输入对应的词组"));
    EXPECT_EQ(panel(4), QStringLiteral("10:00"));
    for (int k = 0; k < m.pageSize; ++k) {
        EXPECT_EQ(item(k)->text(), wordFor(k, m.wordLength(k))) << k;
        EXPECT_EQ(item(k)->toolTip(), codeFor(k)) << k;
        EXPECT_TRUE(box(k)->isVisible());
        EXPECT_EQ(box(k)->isEnabled(), k == 0) << k;
    }
    EXPECT_EQ(m_window->focusWidget(), box(0));
    EXPECT_TRUE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(child<QTimer>(QStringLiteral("Timer1"))->interval(), 995);
    EXPECT_EQ(child<QTimer>(QStringLiteral("Timer1"))->timerType(), Qt::PreciseTimer);
    EXPECT_FALSE(button("CmdStart")->isEnabled());
    EXPECT_TRUE(button("Command1")->isEnabled());
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_TRUE(imeSelected());
}

TEST_P(DrillMember, WrongAnswerTurnsRedAndTheNextBoxTakesTheFocus)
{
    openAndStart();
    const int counted = countedFor(GetParam(), 0);
    type(0, wrongAnswer(0));
    EXPECT_EQ(background(box(0)), kRed);
    EXPECT_FALSE(box(0)->isEnabled());
    EXPECT_TRUE(box(1)->isEnabled());
    EXPECT_EQ(m_window->focusWidget(), box(1));
    EXPECT_EQ(m_window->typedCount(), counted);
    EXPECT_EQ(m_window->correctCount(), 0);
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("0%"));
    const QString suffix = GetParam().countsOneCharacter ? QStringLiteral("个字") : QString();
    const QString progress = QStringLiteral("已打 12正确 10")
                                 .replace(QStringLiteral(" 12"), u' ' + QString::number(counted))
                                 .replace(QStringLiteral(" 10"), QStringLiteral(" 0"));
    EXPECT_EQ(panel(2), progress + suffix);
}

TEST_P(DrillMember, RightAnswerStaysWhiteAndCounts)
{
    openAndStart();
    const int counted = countedFor(GetParam(), 0);
    type(0, item(0)->text());
    type(1, wrongAnswer(1));
    EXPECT_EQ(background(box(0)), kWhite);
    EXPECT_EQ(box(0)->text(), item(0)->text());
    EXPECT_EQ(m_window->correctCount(), counted);
    EXPECT_EQ(m_window->currentItem(), 2);
    EXPECT_EQ(m_window->focusWidget(), box(2));
}

TEST_P(DrillMember, AnswerIsJudgedAtTheItemsLengthOnly)
{
    openAndStart();
    const QString word = item(0)->text();
    type(0, word.left(1));
    if (GetParam().countsOneCharacter) {
        // Single characters are judged as soon as they arrive.
        EXPECT_EQ(m_window->typedCount(), 1);
        return;
    }
    EXPECT_EQ(m_window->typedCount(), 0);
    type(0, word.mid(1, word.size() - 2));
    EXPECT_EQ(m_window->typedCount(), 0);
    EXPECT_TRUE(box(0)->isEnabled());
    type(0, word.right(1));
    EXPECT_EQ(m_window->typedCount(), word.size());
    EXPECT_EQ(m_window->correctCount(), word.size());
}

TEST_P(DrillMember, LastBoxOfAPageTurnsThePage)
{
    const Member& m = GetParam();
    const int rows = m.pageSize + 8;
    useLesson(m, rows);
    ASSERT_NE(openWindow(m), nullptr);
    // First page rows 0..N-1, second page rows 8..N+7.
    drawRows(rowRange(0, m.pageSize) + rowRange(8, m.pageSize), rows);
    start();

    int counted = 0;
    for (int k = 0; k < m.pageSize; ++k)
        counted += countedFor(m, k);
    answerRightly(0, m.pageSize - 1);
    EXPECT_EQ(m_window->currentItem(), m.pageSize - 1);
    type(m.pageSize - 1, item(m.pageSize - 1)->text());

    EXPECT_EQ(m_window->currentItem(), 0);
    EXPECT_EQ(m_window->typedCount(), counted);
    EXPECT_EQ(m_window->correctCount(), counted);
    EXPECT_EQ(m_window->focusWidget(), box(0));
    for (int k = 0; k < m.pageSize; ++k) {
        EXPECT_EQ(item(k)->text(), wordFor(k + 8, m.wordLength(k + 8))) << k;
        EXPECT_TRUE(box(k)->text().isEmpty()) << k;
        EXPECT_EQ(background(box(k)), kWhite) << k;
        EXPECT_EQ(box(k)->isEnabled(), k == 0) << k;
    }
}

TEST_P(DrillMember, F2ShowsTheCodeOverTheBoxAndInPanelOne)
{
    openAndStart();
    const Member& m = GetParam();
    type(0, item(0)->text());
    auto* overlay = child<QLineEdit>(QString::fromLatin1(m.overlay));
    ASSERT_NE(overlay, nullptr);
    EXPECT_FALSE(overlay->isVisible());

    QTest::keyPress(box(1), Qt::Key_F2);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->text(), codeFor(1));
    EXPECT_EQ(overlay->pos(), box(1)->pos());
    const QString join = QString::fromUtf8(m.countsOneCharacter ? " 的Talvoren码为" : " 的Talvoren码为 ");
    const QString hint = item(1)->text() + join + codeFor(1);
    EXPECT_EQ(panel(1), hint);

    QTest::keyRelease(box(1), Qt::Key_F2);
    EXPECT_FALSE(overlay->isVisible());
    EXPECT_EQ(panel(1), hint);
    EXPECT_TRUE(box(1)->text().isEmpty());
}

TEST_P(DrillMember, PauseStopsTheClockAndContinueGivesTheFocusBack)
{
    openAndStart();
    answerRightly(0, 2);
    m_window->Timer1_Timer();
    button("Command3")->click();
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("继续(&C)"));
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(child<QWidget>(QStringLiteral("Picture1"))->isEnabled());
    EXPECT_FALSE(box(2)->isEnabled());
    EXPECT_EQ(panel(4), QStringLiteral("09:59"));

    button("Command4")->setFocus();
    button("Command3")->click();
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("暂停(&P)"));
    EXPECT_TRUE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(box(2)->isEnabled());
    EXPECT_EQ(m_window->focusWidget(), box(2));
}

TEST_P(DrillMember, StopBeforeTheFirstStepShowsNoScores)
{
    openAndStart();
    type(0, item(0)->text());
    button("Command1")->click();
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_TRUE(button("CmdStart")->isEnabled());
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_FALSE(button("Command3")->isEnabled());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label2"))->text(), QStringLiteral("0%"));
    EXPECT_FALSE(imeSelected());
}

TEST_P(DrillMember, StopWithNothingJudgedShowsNoScores)
{
    openAndStart();
    timerSteps(*m_window, 30);
    button("Command1")->click();
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    EXPECT_EQ(panel(4), QStringLiteral("09:30"));
}

TEST_P(DrillMember, StopAfterThirtyStepsShowsTheElapsedHalfMinute)
{
    openAndStart();
    type(0, item(0)->text());
    type(1, wrongAnswer(1));
    timerSteps(*m_window, 30);
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(seams.ui.modalWindows().front().objectName, QStringLiteral("FrmResult"));
    EXPECT_EQ(seams.ui.modalWindows().front().owner, m_window.get());
    const QString line = FrmResult::instance().Label4()->text();
    EXPECT_TRUE(line.startsWith(QStringLiteral("用时0.5分"))) << line.toStdString();
    const int typed = countedFor(GetParam(), 0) + countedFor(GetParam(), 1);
    EXPECT_TRUE(line.contains(u' ' + QString::number(typed))) << line.toStdString();
    EXPECT_EQ(Module1::gTypingSpeed, std::floor(typed / 0.5f));
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_EQ(m_window->typedCount(), 0);
}

TEST_P(DrillMember, AtZeroTheSoundPlaysAndTheScoresShowTheFullTime)
{
    const Member& m = GetParam();
    ASSERT_NO_FATAL_FAILURE(openOnFirstRows(m, m.pageSize + 8));
    child<QLineEdit>(QStringLiteral("TxtTime"))->setText(QStringLiteral("1"));
    start();
    type(0, wrongAnswer(0));
    timerSteps(*m_window, 59);
    EXPECT_TRUE(seams.sound.played().isEmpty());
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    m_window->Timer1_Timer();
    EXPECT_EQ(panel(4), QStringLiteral("00:00"));
    EXPECT_EQ(seams.sound.played(), QStringList{QString::fromLatin1(m.sound)});
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_TRUE(FrmResult::instance().Label4()->text().startsWith(
        QStringLiteral("用时0.5分").replace(QStringLiteral("0.5"), QStringLiteral("1.0"))));
    // Nothing right: the accuracy comes from the running figure, 0%.
    EXPECT_EQ(Module1::gAccuracy, 0.0f);
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(button("CmdStart")->isEnabled());
}

TEST_P(DrillMember, ClosingAfterAJudgedAnswerAsksAndNoKeepsTheRunGoing)
{
    openAndStart();
    answerRightly(0, 2);
    seams.ui.queueMessageBoxAnswer(platform::IDNO);
    button("Command4")->setFocus();
    button("Command4")->click();
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    const auto& question = seams.ui.messageBoxes().front();
    EXPECT_EQ(question.text, QStringLiteral("确信要退出本练习？"));
    EXPECT_EQ(question.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(question.flags, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(m_window->focusWidget(), box(2));
    EXPECT_TRUE(imeSelected());
}

TEST_P(DrillMember, ClosingAfterAJudgedAnswerWithYesLeavesWithoutScores)
{
    openAndStart();
    answerRightly(0, 1);
    m_window->Timer1_Timer();
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    m_window->close();
    EXPECT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    EXPECT_FALSE(imeSelected());
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
}

TEST_P(DrillMember, ClosingBeforeAnyAnswerLeavesAtOnceAndKeepsTheInputMethod)
{
    openAndStart();
    m_window->close();
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(imeSelected());
}

TEST_P(DrillMember, EscapeDoesNotCloseARun)
{
    openAndStart();
    answerRightly(0, 1);
    QTest::keyClick(box(1), Qt::Key_Escape);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

TEST_P(DrillMember, LessonOfAPageOrFewerRowsGivesAMessageInsteadOfARun)
{
    const Member& m = GetParam();
    useLesson(m, m.pageSize);
    ASSERT_NE(openWindow(m), nullptr);
    seams.random.setValues({0.1f, 0.5f, 0.9f});
    start();
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes().front().title, QString::fromUtf8(m.title));
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_TRUE(button("CmdStart")->isEnabled());
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
}

TEST_P(DrillMember, LessonOfOneRowMoreThanAPageShowsTheSameRowsOnEveryPage)
{
    const Member& m = GetParam();
    const int rows = m.pageSize + 1;
    useLesson(m, rows);
    ASSERT_NE(openWindow(m), nullptr);
    // Reversed order on the first page, ascending on the second.
    QList<int> firstPage = rowRange(0, m.pageSize);
    std::reverse(firstPage.begin(), firstPage.end());
    drawRows(firstPage + rowRange(0, m.pageSize), rows);
    start();
    EXPECT_EQ(item(0)->text(), wordFor(m.pageSize - 1, m.wordLength(m.pageSize - 1)));
    answerRightly(0, m.pageSize);
    for (int k = 0; k < m.pageSize; ++k)
        EXPECT_EQ(item(k)->text(), wordFor(k, m.wordLength(k))) << k;
}

TEST_P(DrillMember, RowsWithoutAWordOrACodeAreNeverShown)
{
    const Member& m = GetParam();
    QList<LessonRow> rows = makeRows(m.pageSize + 3, m.wordLength);
    rows[0].word = QString();
    rows[1].code = QStringLiteral("");
    useLesson(QString::fromUtf8(m.table), rows);
    ASSERT_NE(openWindow(m), nullptr);
    drawRows(rowRange(0, m.pageSize + 2), rows.size());
    start();
    ASSERT_TRUE(seams.ui.messageBoxes().isEmpty());
    for (int k = 0; k < m.pageSize; ++k)
        EXPECT_EQ(item(k)->text(), rows[k + 2].word) << k;
}

TEST_P(DrillMember, TooFewCompleteRowsGiveTheMessage)
{
    const Member& m = GetParam();
    QList<LessonRow> rows = makeRows(m.pageSize + 1, m.wordLength);
    rows[2].word = QString();
    useLesson(QString::fromUtf8(m.table), rows);
    ASSERT_NE(openWindow(m), nullptr);
    drawSpreadPage(m.pageSize);
    start();
    EXPECT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_TRUE(button("CmdStart")->isEnabled());
}

TEST_P(DrillMember, MissingLessonTableIsReported)
{
    const Member& m = GetParam();
    useLesson(QStringLiteral("unrelated"), makeRows(40, m.wordLength));
    exercises::DrillWindow* window = openWindow(m);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->loadFailed());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes().front().text, QStringLiteral("读取数据库错误，请重新安装本软件"));
    EXPECT_EQ(window->exec(), QDialog::Rejected);
    // Only the character drill ends the program.
    EXPECT_EQ(m_endedWith.size(), m.countsOneCharacter ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Members, DrillMember, ::testing::ValuesIn(members()),
                         [](const auto& info) { return memberName(info.param); });

class DrillLesson : public DrillTest, public ::testing::WithParamInterface<Member>
{
};

TEST_P(DrillLesson, EachLessonOpensItsOwnTable)
{
    const Member& m = GetParam();
    useLesson(m, m.pageSize + 8);
    ASSERT_NE(openWindow(m), nullptr);
    EXPECT_FALSE(m_window->loadFailed());
    EXPECT_EQ(m_window->windowTitle(), QString::fromUtf8(m.title));
    EXPECT_FALSE(child<QLabel>(QStringLiteral("Label6"))->text().trimmed().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lessons, DrillLesson, ::testing::ValuesIn(lessons()),
                         [](const auto& info) { return memberName(info.param); });

TEST_F(DrillTest, TenMinutesOfTwoCharacterWordsShowTheFullTime)
{
    const Member& m = members()[2];
    ASSERT_NO_FATAL_FAILURE(openOnFirstRows(m, 40));
    start();
    // 120 words, of which 100 right: every sixth is wrong.
    for (int n = 0; n < 120; ++n) {
        const int k = m_window->currentItem();
        type(k, n % 6 == 5 ? wrongAnswer(k) : item(k)->text());
    }
    timerSteps(*m_window, 600);
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(FrmResult::instance().Label4()->text(), QStringLiteral("用时10.0分 打字 240个 其中正确 200个"));
    EXPECT_FLOAT_EQ(Module1::gAccuracy, 0.83f);
    EXPECT_EQ(Module1::gTypingSpeed, 24.0f);
    EXPECT_EQ(Module1::gEffectiveSpeed, 20.0f);
}

TEST_F(DrillTest, ManyCharacterWordsAreJudgedAtTheirOwnLength)
{
    ASSERT_NO_FATAL_FAILURE(openOnFirstRows(members()[5], 12));
    start();
    ASSERT_EQ(item(0)->text().size(), 5);
    ASSERT_EQ(item(1)->text().size(), 7);
    type(0, item(0)->text());
    EXPECT_EQ(m_window->typedCount(), 5);
    type(1, item(1)->text().left(5));
    EXPECT_EQ(m_window->typedCount(), 5);
    EXPECT_EQ(m_window->currentItem(), 1);
    type(1, item(1)->text().mid(5));
    EXPECT_EQ(m_window->typedCount(), 12);
    EXPECT_EQ(m_window->correctCount(), 12);
}

TEST_F(DrillTest, WordCommittedByTheInputMethodIsJudgedAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(openOnFirstRows(members()[2], 24));
    start();
    commit(0, item(0)->text());
    EXPECT_EQ(m_window->correctCount(), 2);
    EXPECT_EQ(m_window->focusWidget(), box(1));
    // A word too long for the box is not judged; the user can take it back.
    commit(1, item(1)->text() + item(2)->text());
    EXPECT_EQ(m_window->typedCount(), 2);
    EXPECT_TRUE(box(1)->isEnabled());
}

TEST_F(DrillTest, MissingTableOfTheCharacterDrillEndsTheProgramAfterItsMessage)
{
    const Member& m = members()[0];
    useLesson(QStringLiteral("Ci2"), makeRows(40, m.wordLength));
    ASSERT_NE(openWindow(m), nullptr);
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes().front().flags, platform::MB_OK | platform::MB_ICONINFORMATION);
    EXPECT_FALSE(seams.ui.messageBoxes().front().title.isEmpty());
    EXPECT_EQ(m_endedWith, QList<int>{0});
}

TEST_F(DrillTest, TitleOfNoLessonIsReportedLikeAMissingTable)
{
    Member m = members()[1];
    m.title = "frmwubushou";
    useLesson(m, 40);
    ASSERT_NE(openWindow(m), nullptr);
    EXPECT_TRUE(m_window->loadFailed());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("读取数据库错误，请重新安装本软件")});
    EXPECT_TRUE(m_endedWith.isEmpty());
}

// A table damaged after the window has opened gives the window's database message; the run stays
// idle (or stops) and the program goes on, also in the character drill.
TEST_F(DrillTest, LessonWithItsWordColumnRenamedGivesTheMessageAtStart)
{
    const Member& m = members()[0];
    useLesson(m, 40);
    QSqlQuery rename(Module1::gDatabase->connection());
    ASSERT_TRUE(rename.exec(QStringLiteral("ALTER TABLE jiandan RENAME COLUMN wenzhi TO wenzi")));
    ASSERT_NE(openWindow(m), nullptr);
    ASSERT_FALSE(m_window->loadFailed());
    drawFirstRows(m.pageSize, 40);
    start();
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("读取数据库错误，请重新安装本软件")});
    EXPECT_TRUE(m_endedWith.isEmpty());
    EXPECT_TRUE(button("CmdStart")->isEnabled());
    EXPECT_TRUE(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(imeSelected());
}

TEST_F(DrillTest, DamagedRowsReachedByTypingStopTheRunWithTheMessage)
{
    const Member& m = members()[2];
    const QList<LessonRow> rows = makeRows(24, m.wordLength);
    const QString path = folders.programFolder() + QStringLiteral("talvorendb.dat");
    createLessonDatabase(path, {{QString::fromUtf8(m.table), rows}});
    damageWords(path, rows.mid(m.pageSize));
    Module1::gDatabase = platform::dao::Database::open(path);
    ASSERT_NE(openWindow(m), nullptr);
    // The first page from the whole rows; the second begins with a damaged one.
    drawRows(rowRange(0, m.pageSize + 1), rows.size());
    start();
    ASSERT_TRUE(seams.ui.messageBoxes().isEmpty());
    for (int k = 0; k < m.pageSize; ++k)
        type(k, item(k)->text());
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("读取数据库错误，请重新安装本软件")});
    EXPECT_TRUE(button("CmdStart")->isEnabled());
    EXPECT_FALSE(child<QTimer>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(imeSelected());
}

} // namespace
} // namespace drilltest
