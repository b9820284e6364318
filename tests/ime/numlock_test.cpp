// The emulated NumLock governs every keypad key, whatever the physical lock made of it: digits while
// the status bar shows NUM (through the input method while it is on), navigation keys otherwise.
#include "platform/keyboard.h"
#include "platform/keystatepanel.h"
#include "tests/ime/imewidgettest.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace platform;

namespace {

struct LockCase
{
    bool emulatedOn;
    bool physicalOn;
    bool imeOn;
};

void PrintTo(const LockCase& c, std::ostream* os)
{
    *os << (c.emulatedOn ? "NUM" : "nav") << (c.physicalOn ? "/physical on" : "/physical off")
        << (c.imeOn ? "/ime" : "/plain");
}

class NumLockTest : public imetest::ImeWidgetTest
{
protected:
    void SetUp() override
    {
        ImeWidgetTest::SetUp();
        auto* layout = new QVBoxLayout(&m_window);
        m_box = new QLineEdit(QStringLiteral("ab"));
        m_panel = new KeyStatePanel;
        layout->addWidget(m_box);
        layout->addWidget(m_panel);
        m_window.show();
        m_box->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    static void setEmulatedNumLock(bool on)
    {
        BYTE table[256] = {};
        table[VK_NUMLOCK] = on ? 0x01 : 0x00;
        SetKeyboardState(table);
    }

    // Keypad 4 through the window, as the platform reads it under the physical lock.
    void pressKeypadFour(bool physicalOn)
    {
        if (physicalOn)
            QTest::keyClick(m_window.windowHandle(), Qt::Key_4, Qt::KeypadModifier);
        else
            QTest::keyClick(m_window.windowHandle(), Qt::Key_Left, Qt::KeypadModifier);
    }

    QWidget m_window;
    QLineEdit* m_box = nullptr;
    KeyStatePanel* m_panel = nullptr;
};

class KeypadKeyTest : public NumLockTest, public ::testing::WithParamInterface<LockCase>
{
};

TEST_P(KeypadKeyTest, FollowsThePanel)
{
    const LockCase& c = GetParam();
    if (c.imeOn)
        switchToIme();
    setEmulatedNumLock(c.emulatedOn);
    pressKeypadFour(c.physicalOn);

    EXPECT_EQ(m_panel->text(), c.emulatedOn ? QStringLiteral("NUM") : QString());
    if (!c.emulatedOn) {
        // Left arrow: the cursor moves, nothing is typed or composed.
        EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
        EXPECT_EQ(m_box->cursorPosition(), 1);
        EXPECT_TRUE(inputMethod->composition().isEmpty());
    } else if (c.imeOn) {
        EXPECT_EQ(inputMethod->composition(), QByteArray("4"));
        EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
    } else {
        EXPECT_EQ(m_box->text(), QStringLiteral("ab4"));
    }
}

INSTANTIATE_TEST_SUITE_P(Locks, KeypadKeyTest,
                         ::testing::Values(LockCase{true, true, false}, LockCase{true, false, false},
                                           LockCase{false, true, false}, LockCase{false, false, false},
                                           LockCase{true, true, true}, LockCase{true, false, true},
                                           LockCase{false, true, true}, LockCase{false, false, true}),
                         [](const auto& info) {
                             const LockCase& c = info.param;
                             return std::string(c.emulatedOn ? "Num" : "Navigation") +
                                    (c.physicalOn ? "PhysicalOn" : "PhysicalOff") +
                                    (c.imeOn ? "Ime" : "Plain");
                         });

TEST_F(NumLockTest, TheNumLockKeyDuringADrillTurnsTheKeypadToNavigationWithThePanel)
{
    switchToIme();
    setEmulatedNumLock(true);
    QTest::keyClick(m_window.windowHandle(), Qt::Key_NumLock);
    EXPECT_TRUE(m_panel->text().isEmpty());
    // The physical lock is now on, so the platform reads digits; they move the cursor, as the
    // panel says, and neither reach the box nor the composition.
    pressKeypadFour(true);
    EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
    EXPECT_EQ(m_box->cursorPosition(), 1);
    EXPECT_TRUE(inputMethod->composition().isEmpty());

    QTest::keyClick(m_window.windowHandle(), Qt::Key_NumLock);
    EXPECT_EQ(m_panel->text(), QStringLiteral("NUM"));
    pressKeypadFour(false);
    EXPECT_EQ(inputMethod->composition(), QByteArray("4"));
}

} // namespace
