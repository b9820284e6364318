// The drills' time box: what it takes, what leaving it checks, and what the start makes of it.
#include "exercises/timebox.h"
#include "tests/exercises/drillfixture.h"

#include "shell/frmresult.h"
#include "shell/module1.h"

#include <QTest>

namespace drilltest {
namespace {

class TimeBox : public DrillTest
{
protected:
    void SetUp() override
    {
        DrillTest::SetUp();
        openOnFirstRows(members()[2], 30);
    }
    QLineEdit* txtTime() const { return child<QLineEdit>(QStringLiteral("TxtTime")); }
    void enterAndLeave(const QString& text)
    {
        txtTime()->setFocus();
        txtTime()->setText(text);
        button("Command4")->setFocus();
    }
};

class LeavingTheTimeBox : public TimeBox, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(LeavingTheTimeBox, OutsideOneToSixtyGivesTheMessageAndTen)
{
    enterAndLeave(QString::fromLatin1(GetParam()));
    EXPECT_EQ(panel(1), QStringLiteral("请在文本框中输入1-60之间的数字"));
    EXPECT_EQ(txtTime()->text(), QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(Entries, LeavingTheTimeBox, ::testing::Values("0", "75", "", ".4", "-3"),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param; *c; ++c)
                                 name += std::isdigit(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name.empty() ? std::string("empty") : "value_" + name;
                         });

TEST_F(TimeBox, SelectsItsTextWhenEntered)
{
    txtTime()->setText(QStringLiteral("25"));
    button("Command4")->setFocus();
    txtTime()->setFocus();
    EXPECT_EQ(txtTime()->selectedText(), QStringLiteral("25"));
}

TEST_F(TimeBox, PointNinePassesAndTheElapsedTimeIsReckonedFromIt)
{
    enterAndLeave(QStringLiteral(".9"));
    EXPECT_TRUE(panel(1).isEmpty());
    EXPECT_EQ(txtTime()->text(), QStringLiteral(".9"));
    start();
    EXPECT_EQ(panel(4), QStringLiteral("01:00"));
    type(0, item(0)->text());
    timerSteps(*m_window, 60);
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    const QString line = FrmResult::instance().Label4()->text();
    EXPECT_TRUE(
        line.startsWith(QStringLiteral("用时0.5分").replace(QStringLiteral("0.5"), QStringLiteral("0.9"))))
        << line.toStdString();
}

TEST_F(TimeBox, StopInTheFirstSecondsOfAFractionalRunShowsNoNegativeTime)
{
    enterAndLeave(QStringLiteral(".9"));
    start();
    type(0, item(0)->text());
    button("Command1")->click();
    EXPECT_TRUE(seams.ui.modalWindows().isEmpty());
    start();
    type(0, item(0)->text());
    m_window->Timer1_Timer();
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_GT(Module1::gTypingSpeed, 0.0f);
}

TEST_F(TimeBox, ElapsedTimeHalfwayBetweenTenthsRoundsUp)
{
    start();
    type(0, item(0)->text());
    timerSteps(*m_window, 21); // 0.35 minutes
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    const QString line = FrmResult::instance().Label4()->text();
    EXPECT_TRUE(
        line.startsWith(QStringLiteral("用时0.5分").replace(QStringLiteral("0.5"), QStringLiteral("0.4"))))
        << line.toStdString();
}

TEST_F(TimeBox, TakesOnlyDigitsPointAndBackspace)
{
    txtTime()->setFocus();
    txtTime()->clear();
    QTest::keyClicks(txtTime(), QStringLiteral("a-5"));
    EXPECT_EQ(txtTime()->text(), QStringLiteral("5"));
    QTest::keyClicks(txtTime(), QStringLiteral(" ."));
    EXPECT_EQ(txtTime()->text(), QStringLiteral("5."));
    QTest::keyClick(txtTime(), Qt::Key_Backspace);
    EXPECT_EQ(txtTime()->text(), QStringLiteral("5"));
}

TEST_F(TimeBox, DeleteKeyStillDeletes)
{
    txtTime()->setFocus();
    txtTime()->setText(QStringLiteral("15"));
    txtTime()->setCursorPosition(0);
    // As this platform delivers it: with the DEL character as its text.
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    QCoreApplication::sendEvent(txtTime(), &del);
    EXPECT_EQ(txtTime()->text(), QStringLiteral("5"));
}

TEST_F(TimeBox, SpinControlStepsWithinOneToSixty)
{
    auto* upDown = child<exercises::UpDownControl>(QStringLiteral("UpDown1"));
    ASSERT_NE(upDown, nullptr);
    upDown->stepUp();
    EXPECT_EQ(txtTime()->text(), QStringLiteral("11"));
    txtTime()->setText(QStringLiteral("60"));
    upDown->stepUp();
    EXPECT_EQ(txtTime()->text(), QStringLiteral("60"));
    txtTime()->setText(QStringLiteral("1"));
    upDown->stepDown();
    EXPECT_EQ(txtTime()->text(), QStringLiteral("1"));
    upDown->stepUp();
    EXPECT_EQ(txtTime()->text(), QStringLiteral("2"));
}

TEST_F(TimeBox, IsOutOfReachDuringARun)
{
    start();
    EXPECT_FALSE(txtTime()->isVisible());
    button("Command1")->click();
    EXPECT_TRUE(txtTime()->isVisible());
}

class StartWithAnUncheckedEntry : public DrillTest, public ::testing::WithParamInterface<Member>
{
};

// An entry that reaches the start without leaving the box (the start button's shortcut).
TEST_P(StartWithAnUncheckedEntry, CountsDownFromTenAndReckonsTheTimeRun)
{
    const Member& m = GetParam();
    ASSERT_NO_FATAL_FAILURE(openOnFirstRows(m, m.pageSize + 8));
    auto* txtTime = child<QLineEdit>(QStringLiteral("TxtTime"));
    button("Command4")->setFocus();
    txtTime->setText(QStringLiteral("75"));
    start();
    EXPECT_EQ(panel(4), QStringLiteral("10:00"));
    // Windows that test the minutes at start keep the entry; the others have the box correct it.
    EXPECT_EQ(txtTime->text(), m.testsMinutesAtStart ? QStringLiteral("75") : QStringLiteral("10"));
    type(0, item(0)->text());
    timerSteps(*m_window, 30);
    button("Command1")->click();
    ASSERT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_TRUE(FrmResult::instance().Label4()->text().startsWith(QStringLiteral("用时0.5分")));
}

INSTANTIATE_TEST_SUITE_P(Members, StartWithAnUncheckedEntry, ::testing::ValuesIn(members()),
                         [](const auto& info) { return memberName(info.param); });

} // namespace
} // namespace drilltest
