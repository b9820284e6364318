// The keypad drill through its real widgets, with the clock and chance fixed.
#include "tests/exercises/exercisewindowfixture.h"

#include "exercises/frmkeypad1.h"
#include "platform/keyboard.h"
#include "platform/uiservice.h"
#include "shell/module1.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace drilltest {
namespace {

const QString kTitle = QStringLiteral("小键盘练习");
const QString kKeypadOnly = QStringLiteral("请用小键盘,并保证NumLock打开");

// Twelve rows: the draw reaches rows 1 to 7.
QList<LessonRow> keypadRows()
{
    QList<LessonRow> rows;
    for (const char* code : {"0", "12", "345", "-+.", "67890", "9", "22", "1", "5", "6", "7", "8"})
        rows.append({QString(), QString::fromLatin1(code)});
    return rows;
}

class KeypadDrillTest : public ExerciseWindowTest<exercises::frmkeypad1>
{
protected:
    void SetUp() override
    {
        DrillTest::SetUp();
        Module1::NumLockOn();
    }

    exercises::frmkeypad1* open()
    {
        useLesson(QStringLiteral("skeyboard"), keypadRows());
        return openExercise(QStringLiteral("frmkeypad1"));
    }
    // A group of `size` codes drawn from these rows in turn.
    void startGroup(const QString& size, const QList<int>& rows)
    {
        QList<float> values;
        for (int row : rows)
            values.append(static_cast<float>((row - 1 + 0.5) / 7));
        seams.random.setValues(values);
        sizeBox()->setText(size);
        press("Command1");
    }
    void openOnGroup(const QString& size, const QList<int>& rows)
    {
        open();
        startGroup(size, rows);
    }
    void press(const char* name) { find<QPushButton>(QString::fromLatin1(name))->click(); }
    QLineEdit* sizeBox() const { return find<QLineEdit>(QStringLiteral("Text1")); }
    QLineEdit* answerBox() const { return find<QLineEdit>(QStringLiteral("Text2")); }
    QString text(const char* name) const { return label(QString::fromLatin1(name))->text(); }
    QLabel* cap(int p) const { return label(QStringLiteral("Image2_%1").arg(p)); }
    QLabel* key(int index) const { return label(QStringLiteral("Image1_%1").arg(index)); }
    bool idle() const
    {
        return find<QGroupBox>(QStringLiteral("Frame2"))->isVisible() && answerBox()->isHidden() &&
               sizeBox()->isVisible();
    }
};

TEST_F(KeypadDrillTest, OpensIdleWithBlankCapsAndReleasedKeys)
{
    exercises::frmkeypad1* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_TRUE(idle());
    EXPECT_EQ(sizeBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(text("Panel1"), QStringLiteral("结束键为 \"/\" 或 \"*\" 或空格"));
    for (int p = 0; p < 6; ++p)
        EXPECT_TRUE(shows(cap(p), 158)) << p;
    EXPECT_TRUE(shows(key(10), 109));
    EXPECT_TRUE(shows(key(0), 141));
    EXPECT_TRUE(shows(key(16), 139));
}

TEST_F(KeypadDrillTest, TheLockPanelsKeepTheirKeyNamesWhateverTheLocksAreIn)
{
    open();
    const platform::BYTE allUp[256] = {};
    for (bool numLockOn : {true, false, true}) {
        if (numLockOn)
            Module1::NumLockOn();
        else
            platform::SetKeyboardState(allUp);
        EXPECT_EQ(text("Panel3"), QStringLiteral("NumLock")) << numLockOn;
        EXPECT_EQ(text("Panel4"), QStringLiteral("Caps Lock")) << numLockOn;
    }
}

TEST_F(KeypadDrillTest, AGroupWithARightAndAWrongCodeEndsInItsFigures)
{
    open();
    seams.clock.setTickCount(5000);
    startGroup(QStringLiteral("2"), {1, 2});
    EXPECT_FALSE(idle());
    EXPECT_EQ(m_exercise->items(), (QStringList{QStringLiteral("12"), QStringLiteral("345")}));
    EXPECT_EQ(text("Panel2"), QStringLiteral("共 2 个第 1 个"));
    EXPECT_TRUE(shows(cap(0), 144));
    EXPECT_TRUE(shows(cap(1), 145));
    EXPECT_TRUE(shows(cap(2), 158));

    keypadType(answerBox(), QStringLiteral("12"));
    keypadClick(answerBox(), Qt::Key_Slash);
    EXPECT_EQ(text("Panel2"), QStringLiteral("共 2 个第 2 个"));
    EXPECT_TRUE(shows(cap(2), 148));
    EXPECT_TRUE(seams.sound.played().isEmpty());

    seams.clock.advance(30000);
    keypadType(answerBox(), QStringLiteral("34"));
    QTest::keyClick(answerBox(), Qt::Key_Space);
    EXPECT_EQ(m_exercise->answers(), (QStringList{QStringLiteral("12"), QStringLiteral("34")}));
    EXPECT_EQ(seams.sound.played(), QStringList{QStringLiteral("sound")});
    EXPECT_TRUE(idle());
    EXPECT_EQ(text("Label3"), QStringLiteral("50%"));
    EXPECT_EQ(text("Label4"), QStringLiteral("8键/分"));
    EXPECT_EQ(text("Label5"), QStringLiteral("0.5分"));
    for (int p = 0; p < 6; ++p)
        EXPECT_TRUE(shows(cap(p), 158)) << p;
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

struct SubmitCase
{
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int onScreenKey; // -1: none lights
    int pressedBitmap;
};

class KeypadSubmitTest : public KeypadDrillTest, public ::testing::WithParamInterface<SubmitCase>
{
};

TEST_P(KeypadSubmitTest, SubmitKeyStoresTheTextWithoutItsOwnCharacter)
{
    const SubmitCase& c = GetParam();
    openOnGroup(QStringLiteral("3"), {1, 2, 3});
    keypadType(answerBox(), QStringLiteral("12"));
    QTest::keyPress(answerBox(), c.key, c.modifiers);
    EXPECT_EQ(m_exercise->answers()[0], QStringLiteral("12"));
    EXPECT_EQ(m_exercise->keyTotal(), 2);
    EXPECT_EQ(m_exercise->itemIndex(), 1);
    if (c.onScreenKey >= 0) {
        EXPECT_TRUE(shows(key(c.onScreenKey), c.pressedBitmap));
    }
    QTest::keyRelease(answerBox(), c.key, c.modifiers);
    EXPECT_EQ(answerBox()->text(), QString());
    for (int k : {11, 12})
        EXPECT_TRUE(shows(key(k), 129 + 2 * (k - 11))) << k;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeypadSubmitTest,
                         ::testing::Values(SubmitCase{"Divide", Qt::Key_Slash, Qt::KeypadModifier, 11, 130},
                                           SubmitCase{"Multiply", Qt::Key_Asterisk, Qt::KeypadModifier, 12,
                                                      132},
                                           SubmitCase{"Space", Qt::Key_Space, Qt::NoModifier, -1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeypadDrillTest, AKeyLightsWhileDownAndEnterEmptiesTheBox)
{
    openOnGroup(QStringLiteral("3"), {1, 2, 3});
    QTest::keyPress(answerBox(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_TRUE(shows(key(5), 120));
    QTest::keyRelease(answerBox(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_TRUE(shows(key(5), 119));
    keypadType(answerBox(), QStringLiteral("-+."));
    EXPECT_EQ(answerBox()->text(), QStringLiteral("5-+."));
    QTest::keyClick(answerBox(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(answerBox()->text(), QString());
    EXPECT_EQ(m_exercise->itemIndex(), 0);
    EXPECT_TRUE(m_exercise->isVisible());
}

TEST_F(KeypadDrillTest, GroupOfOneEndsAtTheFirstSubmit)
{
    openOnGroup(QStringLiteral("1"), {5});
    keypadType(answerBox(), QStringLiteral("9"));
    keypadClick(answerBox(), Qt::Key_Asterisk);
    EXPECT_TRUE(idle());
    EXPECT_EQ(text("Label3"), QStringLiteral("100%"));
    EXPECT_EQ(seams.sound.played(), QStringList{QStringLiteral("sound")});
    EXPECT_TRUE(shows(key(12), 131));
}

TEST_F(KeypadDrillTest, AnEmptyAnswerCountsAsWrongAndAddsNoKeys)
{
    openOnGroup(QStringLiteral("2"), {1, 2});
    QTest::keyClick(answerBox(), Qt::Key_Space);
    EXPECT_EQ(m_exercise->itemIndex(), 1);
    EXPECT_EQ(m_exercise->answers()[0], QString());
    EXPECT_EQ(m_exercise->keyTotal(), 0);
}

struct RefusedCase
{
    const char* name;
    Qt::Key key;
};

class KeypadRefusedTest : public KeypadDrillTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(KeypadRefusedTest, KeysOffTheKeypadAreToldAndTheBoxKeepsItsText)
{
    openOnGroup(QStringLiteral("2"), {1, 2});
    keypadType(answerBox(), QStringLiteral("12"));
    QTest::keyClick(answerBox(), GetParam().key, Qt::NoModifier);
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].text, kKeypadOnly);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kTitle);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("12"));
    EXPECT_EQ(answerBox()->cursorPosition(), 2);
    EXPECT_EQ(m_exercise->itemIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeypadRefusedTest,
                         ::testing::Values(RefusedCase{"MainKeyboardDigit", Qt::Key_3},
                                           RefusedCase{"Letter", Qt::Key_A},
                                           RefusedCase{"Shift", Qt::Key_Shift},
                                           RefusedCase{"Control", Qt::Key_Control}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeypadDrillTest, WhileNumShowsTheKeypadTypesDigitsWhateverThePhysicalLockMadeOfThem)
{
    openOnGroup(QStringLiteral("2"), {1, 2});
    // The physical lock is off: the keys arrive as End and Down.
    keypadClick(answerBox(), Qt::Key_End);
    keypadClick(answerBox(), Qt::Key_Down);
    EXPECT_EQ(answerBox()->text(), QStringLiteral("12"));
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    keypadClick(answerBox(), Qt::Key_Slash);
    EXPECT_EQ(m_exercise->answers()[0], QStringLiteral("12"));
}

TEST_F(KeypadDrillTest, WithNumLockOffArrowsPassAndTheOtherNavigationKeysAreTold)
{
    openOnGroup(QStringLiteral("2"), {1, 2});
    const platform::BYTE allUp[256] = {};
    platform::SetKeyboardState(allUp);
    answerBox()->setText(QStringLiteral("12"));
    // The physical lock is on: the keys arrive as digits.
    for (Qt::Key arrowOrDelete : {Qt::Key_2, Qt::Key_4, Qt::Key_6, Qt::Key_8})
        keypadClick(answerBox(), arrowOrDelete);
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    EXPECT_EQ(answerBox()->text(), QStringLiteral("12"));
    keypadClick(answerBox(), Qt::Key_Period); // Delete, at the end of the text
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    keypadClick(answerBox(), Qt::Key_7); // Home
    EXPECT_EQ(seams.ui.messageTexts(), QStringList{kKeypadOnly});
}

TEST_F(KeypadDrillTest, StartingAgainDuringAGroupDrawsANewOneWithoutFigures)
{
    open();
    seams.clock.setTickCount(1000);
    startGroup(QStringLiteral("2"), {1, 2});
    keypadType(answerBox(), QStringLiteral("12"));
    keypadClick(answerBox(), Qt::Key_Slash);
    seams.clock.advance(60000);
    startGroup(QStringLiteral("1"), {7});
    EXPECT_EQ(m_exercise->items(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(m_exercise->itemIndex(), 0);
    EXPECT_EQ(m_exercise->keyTotal(), 0);
    EXPECT_TRUE(text("Label3").isEmpty());
    seams.clock.advance(6000);
    keypadType(answerBox(), QStringLiteral("1"));
    keypadClick(answerBox(), Qt::Key_Slash);
    EXPECT_EQ(text("Label4"), QStringLiteral("10键/分")); // timed from the second start
    EXPECT_EQ(text("Label5"), QStringLiteral("0.1分"));
}

TEST_F(KeypadDrillTest, LeavingAGroupAsksAndYesCountsUnansweredCodesAsWrong)
{
    openOnGroup(QStringLiteral("3"), {1, 2, 3});
    keypadType(answerBox(), QStringLiteral("12"));
    keypadClick(answerBox(), Qt::Key_Slash);

    seams.ui.queueMessageBoxAnswer(platform::IDNO);
    press("Command2");
    EXPECT_TRUE(m_exercise->isVisible());
    EXPECT_FALSE(idle());
    EXPECT_EQ(QApplication::focusWidget(), answerBox());

    seams.ui.queueMessageBoxAnswer(platform::IDYES);
    press("Command2");
    ASSERT_EQ(seams.ui.messageBoxes().size(), 2);
    EXPECT_EQ(seams.ui.messageBoxes()[1].text, QStringLiteral("是否退出正在进行的练习?"));
    EXPECT_EQ(seams.ui.messageBoxes()[1].title, kTitle);
    EXPECT_EQ(text("Label3"), QStringLiteral("33%"));
    EXPECT_FALSE(m_exercise->isVisible());
    EXPECT_TRUE(seams.sound.played().isEmpty());
}

TEST_F(KeypadDrillTest, LeavingWithNoGroupClosesAtOnce)
{
    open();
    press("Command2");
    EXPECT_FALSE(m_exercise->isVisible());
    EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
}

class KeypadSizeTest : public KeypadDrillTest, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(KeypadSizeTest, ASizeOutOfRangeIsToldAndBecomesTen)
{
    open();
    sizeBox()->setFocus();
    sizeBox()->setText(QString::fromLatin1(GetParam()));
    find<QPushButton>(QStringLiteral("Command1"))->setFocus();
    ASSERT_EQ(seams.ui.messageTexts(), QStringList{QStringLiteral("请输入1-100之间的数字")});
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kTitle);
    EXPECT_EQ(sizeBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(QApplication::focusWidget(), sizeBox());
}

INSTANTIATE_TEST_SUITE_P(Sizes, KeypadSizeTest, ::testing::Values("0", "", "101"));

TEST_F(KeypadDrillTest, ATableThatCannotBeReadKeepsTheWindowShut)
{
    useLesson(QStringLiteral("playziku"), keypadRows());
    exercises::frmkeypad1* window = openExercise(QStringLiteral("frmkeypad1"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->loadFailed());
    ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
    EXPECT_EQ(seams.ui.messageBoxes()[0].title, kTitle);
    EXPECT_EQ(window->exec(), QDialog::Rejected);
    EXPECT_TRUE(m_endedWith.isEmpty());
}

} // namespace
} // namespace drilltest
