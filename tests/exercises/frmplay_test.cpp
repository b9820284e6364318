// The falling-codes game through its real widgets, with chance fixed and the timers' handlers
// called directly.
#include "tests/exercises/exercisewindowfixture.h"

#include "exercises/frmplay.h"
#include "exercises/playfield.h"
#include "platform/keyboard.h"
#include "platform/uiservice.h"
#include "platform/windowproc.h"
#include "shell/module1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace drilltest {
namespace {

const QString kPadGame = QStringLiteral("小键盘游戏");
const QString kGameTest = QStringLiteral("游戏测试");
const QColor kLightBlue(192, 192, 255);
const QColor kBlack(0, 0, 0);

QList<LessonRow> gameRows(int count)
{
    QList<LessonRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({wordFor(i, 2), QString::number(100 + i)});
    return rows;
}

class GameTest : public ExerciseWindowTest<exercises::frmplay>
{
protected:
    exercises::frmplay* open(const QString& title = kPadGame, int rowCount = 60)
    {
        m_rowCount = rowCount;
        Module1::gExerciseTitle = title;
        useLesson(QStringLiteral("playziku"), gameRows(rowCount));
        return openExercise(QStringLiteral("frmplay"));
    }
    // Starts a game whose item i is row i (or rows[i] when given), every item at the left edge.
    void start(QList<int> rows = {})
    {
        QList<float> values;
        for (int i = 0; i < 50; ++i) {
            const int row = rows.isEmpty() ? i % m_rowCount : rows[i % rows.size()];
            values.append(static_cast<float>((row + 0.5) / m_rowCount));
        }
        for (int i = 0; i < 100; ++i)
            values.append(0.0f);
        seams.random.setValues(values);
        find<QPushButton>(QStringLiteral("CmdStart"))->click();
    }
    void openAndStart()
    {
        open();
        start();
    }
    QLineEdit* answerBox() const { return find<QLineEdit>(QStringLiteral("Text1")); }
    QLabel* item(int i) const { return label(QStringLiteral("Lblwenzhi_%1").arg(i)); }
    QTimer* timer(int n) const { return find<QTimer>(QStringLiteral("Timer%1").arg(n)); }
    exercises::PlayField* field() const { return find<exercises::PlayField>(QStringLiteral("Picture1")); }
    QString score() const { return label(QStringLiteral("LblMark"))->text(); }
    // Types the text into the answer box and submits it with a Space.
    void submit(const QString& text)
    {
        answerBox()->setText(text);
        QTest::keyClick(answerBox(), Qt::Key_Space);
    }
    // Fall steps until the game is over; how many it took.
    int fallToTheEnd()
    {
        int steps = 0;
        while (timer(1)->isActive() && steps < 1000) {
            m_exercise->Timer1_Timer();
            ++steps;
        }
        return steps;
    }

    int m_rowCount = 0;
};

struct ModeCase
{
    const char* name;
    const char* title;
    bool showsWords;
    double fontSize;
    const char* instructionsPart;
};

class GameModeTest : public GameTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(GameModeTest, TitleChoosesWhatFallsAndTheInstructions)
{
    const ModeCase& c = GetParam();
    exercises::frmplay* window = open(QString::fromUtf8(c.title));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_FALSE(window->windowIcon().isNull());
    const QString instructions = label(QStringLiteral("Label6"))->text();
    EXPECT_TRUE(instructions.startsWith(QStringLiteral("\n\n\n     本游戏用于帮助用户练习小键盘")));
    EXPECT_TRUE(instructions.contains(QString::fromUtf8(c.instructionsPart)));
    EXPECT_EQ(field()->background(), kLightBlue);

    start({7});
    EXPECT_EQ(item(0)->text(), c.showsWords ? wordFor(7, 2) : QStringLiteral("107"));
    EXPECT_EQ(item(49)->font().pointSizeF(), c.fontSize);
    submit(QStringLiteral("107"));
    EXPECT_TRUE(item(0)->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GameModeTest,
    ::testing::Values(ModeCase{"GameTest", "游戏测试", true, 18, "输入对应的汉字或词组的Talvoren码"},
                      ModeCase{"KeypadGame", "小键盘游戏", false, 15, "会有许多数字从上方落下"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameTest, StartDealsFiftyItemsFiveHundredApartAndRunsTheTimers)
{
    openAndStart();
    for (int i = 0; i < 50; ++i) {
        EXPECT_FALSE(item(i)->isHidden()) << i;
        EXPECT_EQ(m_exercise->items().top(i), -500 * i);
    }
    EXPECT_EQ(item(1)->text(), QStringLiteral("101"));
    EXPECT_TRUE(label(QStringLiteral("Label6"))->isHidden());
    EXPECT_EQ(field()->background(), kBlack);
    EXPECT_EQ(score(), QStringLiteral("0"));
    for (int n : {1, 2, 3})
        EXPECT_TRUE(timer(n)->isActive()) << n;
    EXPECT_EQ(timer(1)->interval(), 400);
    EXPECT_EQ(timer(2)->interval(), 200);
    EXPECT_EQ(timer(3)->interval(), 10);
    EXPECT_EQ(QApplication::focusWidget(), answerBox());
    EXPECT_EQ(item(0)->palette().color(QPalette::WindowText), QColor(0, 255, 0)); // QBColor(10)

    m_exercise->Timer1_Timer();
    EXPECT_EQ(m_exercise->items().top(0), 100);
    EXPECT_EQ(item(0)->y(), 6);
}

struct SubmitCase
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool submits;
};

class GameSubmitTest : public GameTest, public ::testing::WithParamInterface<SubmitCase>
{
};

TEST_P(GameSubmitTest, SpaceAndTheKeypadsDivideAndMultiplySubmit)
{
    const SubmitCase& c = GetParam();
    openAndStart();
    answerBox()->setText(QStringLiteral("103"));
    QTest::keyPress(answerBox(), c.key, c.modifiers);
    EXPECT_EQ(item(3)->isHidden(), c.submits);
    EXPECT_EQ(score(), c.submits ? QStringLiteral("2") : QStringLiteral("0"));
    QTest::keyRelease(answerBox(), c.key, c.modifiers);
    if (c.submits) {
        EXPECT_EQ(answerBox()->text(), QString());
        EXPECT_EQ(m_exercise->items().goneCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GameSubmitTest,
    ::testing::Values(SubmitCase{"Space", Qt::Key_Space, Qt::NoModifier, true},
                      SubmitCase{"KeypadDivide", Qt::Key_Slash, Qt::KeypadModifier, true},
                      SubmitCase{"KeypadMultiply", Qt::Key_Asterisk, Qt::KeypadModifier, true},
                      SubmitCase{"MainKeyboardSlash", Qt::Key_Slash, Qt::NoModifier, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameTest, EnterEmptiesTheBoxWithoutScoring)
{
    openAndStart();
    answerBox()->setText(QStringLiteral("110"));
    QTest::keyClick(answerBox(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(answerBox()->text(), QString());
    QTest::keyClick(answerBox(), Qt::Key_Space);
    EXPECT_EQ(score(), QStringLiteral("0"));
    EXPECT_FALSE(item(10)->isHidden());
}

TEST_F(GameTest, AnItemReachingTheBottomIsLost)
{
    openAndStart();
    const int height = item(0)->height() * 15;
    const int steps = static_cast<int>(std::ceil((4695.0 - height) / 100));
    timerSteps(*m_exercise, steps - 1);
    EXPECT_FALSE(item(0)->isHidden());
    m_exercise->Timer1_Timer();
    EXPECT_TRUE(item(0)->isHidden());
    EXPECT_EQ(m_exercise->items().goneCount(), 1);
    EXPECT_EQ(score(), QStringLiteral("0"));
    EXPECT_TRUE(timer(1)->isActive());
}

struct EndCase
{
    int hits;
    const char* message;
};

class GameEndTest : public GameTest, public ::testing::WithParamInterface<EndCase>
{
};

TEST_P(GameEndTest, TheFiftiethItemGoneEndsTheGameWithTheScoreAndItsRemark)
{
    const EndCase& c = GetParam();
    openAndStart();
    for (int i = 0; i < c.hits; ++i)
        submit(QString::number(100 + i));
    if (c.hits < 50)
        fallToTheEnd();
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kPadGame);
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags, platform::MB_OK | platform::MB_ICONINFORMATION);
    for (int n : {1, 2, 3})
        EXPECT_FALSE(timer(n)->isActive()) << n;
    EXPECT_FALSE(label(QStringLiteral("Label6"))->isHidden());
    EXPECT_EQ(field()->background(), kLightBlue);
}

INSTANTIATE_TEST_SUITE_P(Bands, GameEndTest,
                         ::testing::Values(EndCase{0, "您的成绩为0！ 加油，加油!!"},
                                           EndCase{29, "您的成绩为58！ 加油，加油!!"},
                                           EndCase{30, "您的成绩为60！ 还可以,继续努力!!"},
                                           EndCase{40, "您的成绩为80！ 真棒,继续努力!!"},
                                           EndCase{50, "您的成绩为100！ 好酷,但不要骄傲!!"}));

TEST_F(GameTest, StartDuringAGameDealsAnew)
{
    openAndStart();
    submit(QStringLiteral("100"));
    m_exercise->Timer1_Timer();
    start();
    EXPECT_EQ(score(), QStringLiteral("0"));
    EXPECT_EQ(m_exercise->items().goneCount(), 0);
    EXPECT_FALSE(item(0)->isHidden());
    EXPECT_EQ(m_exercise->items().top(0), 0);
}

TEST_F(GameTest, ASmallTableStillDealsFifty)
{
    open(kPadGame, 3);
    start();
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(item(i)->text(), QString::number(100 + i % 3)) << i;
}

struct BarCase
{
    int value;
    int fall;
    int sway;
};

class GameBarTest : public GameTest, public ::testing::WithParamInterface<BarCase>
{
};

TEST_P(GameBarTest, TheBarSetsTheFallStepAndHalfOfItForTheSway)
{
    open();
    EXPECT_EQ(m_exercise->barValue(), 500);
    EXPECT_EQ(timer(1)->interval(), 400); // until the bar first moves
    m_exercise->setBarValue(GetParam().value);
    start();
    EXPECT_EQ(timer(1)->interval(), GetParam().fall);
    EXPECT_EQ(timer(2)->interval(), GetParam().sway);
}

INSTANTIATE_TEST_SUITE_P(Values, GameBarTest,
                         ::testing::Values(BarCase{200, 200, 100}, BarCase{800, 800, 400},
                                           BarCase{333, 333, 166}));

TEST_F(GameTest, TheBarsBottomIsHardAndItsTopEasy)
{
    open();
    auto* bar = find<QScrollBar>(QStringLiteral("VScroll1"));
    bar->triggerAction(QAbstractSlider::SliderToMaximum); // dragged to the bottom
    EXPECT_EQ(m_exercise->barValue(), 200);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub); // one step up
    EXPECT_EQ(timer(1)->interval(), 250);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(timer(1)->interval(), 800);
}

TEST_F(GameTest, TheHintSwaysAndTheStarsFall)
{
    seams.random.setValues({0.3f, 0.4f, 0.5f}); // every star at (1876, 1878), falling 20 a step
    openAndStart();
    QLabel* hint = label(QStringLiteral("Label2"));
    EXPECT_EQ(m_exercise->hintLeft(), 120);
    m_exercise->Timer2_Timer();
    EXPECT_EQ(m_exercise->hintLeft(), 220);
    EXPECT_EQ(hint->x(), 14);

    const exercises::game::StarPoint before{int(std::lround(m_exercise->stars().x(0))),
                                            int(std::lround(m_exercise->stars().y(0)))};
    m_exercise->Timer3_Timer();
    const exercises::game::StarPoint after{int(std::lround(m_exercise->stars().x(0))),
                                           int(std::lround(m_exercise->stars().y(0)))};
    EXPECT_EQ(after.y, before.y + 20);
    EXPECT_EQ(field()->pointColour(after), QColor(255, 255, 255));
    EXPECT_EQ(field()->pointColour(before), kBlack);
}

TEST_F(GameTest, TheAnswerBoxTakesKeypadDigitsWithNumLockOffAndIsRestoredOnClosing)
{
    open();
    const platform::LONG_PTR boxOwn = platform::defaultWindowProcedure();
    EXPECT_EQ(Module1::gOldWndProc, boxOwn);
    EXPECT_NE(platform::GetWindowLongA(answerBox(), platform::GWL_WNDPROC), boxOwn);
    EXPECT_FALSE(platform::isNumLockOn());
    keypadClick(answerBox(), Qt::Key_7);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("7"));

    find<QPushButton>(QStringLiteral("CmdEnd"))->click();
    EXPECT_FALSE(m_exercise->isVisible());
    EXPECT_EQ(platform::GetWindowLongA(answerBox(), platform::GWL_WNDPROC), boxOwn);
}

TEST_F(GameTest, AnEmptyCodeBookEndsTheProgramWithTheDatabaseMessage)
{
    exercises::frmplay* window = open(kPadGame, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->loadFailed());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, QStringLiteral("读取数据库错误，请重新安装本软体"));
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, QStringLiteral("Talvoren汉字教学软件"));
    EXPECT_EQ(seams.ui.messageBoxes()[0].flags, 112u);
    EXPECT_EQ(m_endedWith, QList<int>{0});
    EXPECT_EQ(window->exec(), QDialog::Rejected);
}

} // namespace
} // namespace drilltest
