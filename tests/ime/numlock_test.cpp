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

// Parameters: the emulated NumLock, the physical one, the input method on.
class NumLockTest : public imetest::ImeWidgetTest,
                    public ::testing::WithParamInterface<std::tuple<bool, bool, bool>>
{
protected:
    void SetUp() override
    {
        ImeWidgetTest::SetUp();
        auto* layout = new QVBoxLayout(&m_window);
        layout->addWidget(m_box = new QLineEdit(QStringLiteral("ab")));
        layout->addWidget(m_panel = new KeyStatePanel);
        m_window.show();
        m_box->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
    void setEmulatedNumLock(bool on)
    {
        BYTE table[256] = {};
        table[VK_NUMLOCK] = on ? 0x01 : 0x00;
        SetKeyboardState(table);
    }
    // Keypad 4 through the window, as the platform reads it under the physical lock.
    void pressKeypadFour(bool physicalOn)
    {
        QTest::keyClick(m_window.windowHandle(), physicalOn ? Qt::Key_4 : Qt::Key_Left, Qt::KeypadModifier);
    }
    void expectLeftArrow()
    {
        EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
        EXPECT_EQ(m_box->cursorPosition(), 1);
        EXPECT_TRUE(inputMethod->composition().isEmpty());
    }

    QWidget m_window;
    QLineEdit* m_box = nullptr;
    KeyStatePanel* m_panel = nullptr;
};

TEST_P(NumLockTest, AKeypadKeyFollowsThePanel)
{
    const auto [emulatedOn, physicalOn, imeOn] = GetParam();
    if (imeOn)
        switchToIme();
    setEmulatedNumLock(emulatedOn);
    pressKeypadFour(physicalOn);
    EXPECT_EQ(m_panel->text(), emulatedOn ? QStringLiteral("NUM") : QString());
    if (!emulatedOn) {
        expectLeftArrow();
    } else if (imeOn) {
        EXPECT_EQ(inputMethod->composition(), QByteArray("4"));
        EXPECT_EQ(m_box->text(), QStringLiteral("ab"));
    } else {
        EXPECT_EQ(m_box->text(), QStringLiteral("ab4"));
    }
}

std::string lockCaseName(const ::testing::TestParamInfo<std::tuple<bool, bool, bool>>& info)
{
    const auto [emulatedOn, physicalOn, imeOn] = info.param;
    return std::string(emulatedOn ? "Num" : "Navigation") + (physicalOn ? "PhysicalOn" : "PhysicalOff") +
           (imeOn ? "Ime" : "Plain");
}

INSTANTIATE_TEST_SUITE_P(Locks, NumLockTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool(), ::testing::Bool()),
                         lockCaseName);

TEST_F(NumLockTest, TheNumLockKeyInADrillTurnsTheKeypadAndThePanelTogether)
{
    switchToIme();
    setEmulatedNumLock(true);
    QTest::keyClick(m_window.windowHandle(), Qt::Key_NumLock);
    EXPECT_TRUE(m_panel->text().isEmpty());
    // The physical lock is on now, so the platform reads a digit: it moves the cursor, as the panel says.
    pressKeypadFour(true);
    expectLeftArrow();
}

} // namespace
