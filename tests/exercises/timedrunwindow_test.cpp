// The run frame's choices that the drill family does not make: a run that keeps the keyboard on US
// English, writes ten back into the time box at start, leaves by the exit button through US English,
// and has its own steps at start, stop and a confirmed leave.
#include "exercises/timedrunwindow.h"
#include "tests/exercises/drillfixture.h"

#include "platform/keyboard.h"
#include "shell/module1.h"

#include <QApplication>
#include <QTest>

namespace drilltest {
namespace {

constexpr int kBoxes = 4;

exercises::TimedRun keyboardRun()
{
    exercises::TimedRun run;
    run.windowName = QStringLiteral("FrmFrameTest");
    run.lessons = {{QStringLiteral("frame"), QStringLiteral("Ci2"), 0, QStringLiteral("help"), 0}};
    run.prompt = QStringLiteral("prompt");
    run.soundAtEnd = QStringLiteral("complete");
    run.minutesAtStart = exercises::MinutesAtStart::ShowDefault;
    run.inputMethodDuringRun = false;
    run.englishOnExitButton = true;
    run.checksTimeBoxOnLeave = false;
    run.timeBoxMaxLength = 0;
    return run;
}

// Four answer boxes; every answer counts as typed, and "right" ones as right.
class FrameWindow : public exercises::TimedRunWindow
{
public:
    explicit FrameWindow(const exercises::TimedRun& run) : TimedRunWindow(run, nullptr)
    {
        for (int k = 0; k < kBoxes; ++k) {
            auto* box = new QLineEdit(drillArea());
            box->setObjectName(QStringLiteral("Text1_%1").arg(k));
            box->setEnabled(false);
            addAnswerBox(box);
        }
        Form_Load();
    }
    void judge(int index, bool right)
    {
        countAnswer(1, right ? 1 : 0);
        moveOn(index);
    }
    QStringList steps;

protected:
    bool LoadDrillPage() override
    {
        const auto page = drawRows([&](std::int32_t position) {
            return !lessonRowAt(position).text(QStringLiteral("bianma")).isEmpty();
        });
        if (page)
            steps << QStringLiteral("page");
        return page.has_value();
    }
    void runStarting() override { steps << QStringLiteral("starting"); }
    void runStopped() override { steps << QStringLiteral("stopped"); }
    void leaveConfirmed() override { steps << QStringLiteral("left"); }
};

class TimedRunFrame : public DrillTest
{
protected:
    void SetUp() override
    {
        DrillTest::SetUp();
        useLesson(QStringLiteral("Ci2"), makeRows(12, [](int) { return 2; }));
        Module1::gExerciseTitle = QStringLiteral("frame");
        m_frame = std::make_unique<FrameWindow>(m_run);
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        (void)QTest::qWaitForWindowActive(m_frame.get());
        seams.random.setValues({0.0f, 0.2f, 0.4f, 0.6f});
    }
    void TearDown() override
    {
        m_frame.reset();
        DrillTest::TearDown();
    }
    QLineEdit* txtTime() const { return m_frame->findChild<QLineEdit*>(QStringLiteral("TxtTime")); }
    static QByteArray activeLayout() { return platform::KeyboardLayouts::instance().activeLayoutId(); }

    exercises::TimedRun m_run = keyboardRun();
    std::unique_ptr<FrameWindow> m_frame;
};

TEST_F(TimedRunFrame, StartOutsideOneToSixtyShowsTenAndKeepsTheKeyboard)
{
    Module1::ActivateEnglishLayout();
    txtTime()->setFocus();
    txtTime()->setText(QStringLiteral("75"));
    m_frame->setFocus(); // the time box is not checked on leaving
    EXPECT_EQ(txtTime()->text(), QStringLiteral("75"));
    m_frame->CmdStart_Click();
    EXPECT_EQ(txtTime()->text(), QStringLiteral("10"));
    EXPECT_EQ(m_frame->findChild<QLabel*>(QStringLiteral("Panel4"))->text(), QStringLiteral("10:00"));
    EXPECT_EQ(m_frame->steps, (QStringList{QStringLiteral("page"), QStringLiteral("starting")}));
    EXPECT_EQ(activeLayout(), QByteArray(platform::kUsEnglishLayoutId));
}

TEST_F(TimedRunFrame, LastBoxDrawsAPageAndStopRunsItsOwnStep)
{
    m_frame->CmdStart_Click();
    for (int k = 0; k < kBoxes; ++k)
        m_frame->judge(k, k != 1);
    EXPECT_EQ(m_frame->steps.count(QStringLiteral("page")), 2);
    EXPECT_EQ(m_frame->currentItem(), 0);
    EXPECT_EQ(m_frame->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("75%"));
    m_frame->Timer1_Timer();
    m_frame->Command1_Click();
    EXPECT_EQ(seams.ui.modalWindows().size(), 1);
    EXPECT_EQ(m_frame->steps.last(), QStringLiteral("stopped"));
}

TEST_F(TimedRunFrame, ExitButtonSwitchesToUsEnglishThoughNothingWasJudged)
{
    m_frame->CmdStart_Click();
    Module1::ActivateImeLayout();
    m_frame->Command4_Click();
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    EXPECT_FALSE(m_frame->steps.contains(QStringLiteral("left")));
    EXPECT_EQ(activeLayout(), QByteArray(platform::kUsEnglishLayoutId));
}

TEST_F(TimedRunFrame, ConfirmedLeaveRunsTheWindowsOwnStep)
{
    m_frame->CmdStart_Click();
    m_frame->judge(0, true);
    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    m_frame->close();
    EXPECT_FALSE(m_frame->isVisible());
    EXPECT_EQ(m_frame->steps.last(), QStringLiteral("left"));
}

} // namespace
} // namespace drilltest
