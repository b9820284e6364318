// The status-bar panel follows the emulated NumLock, whoever changes it.
#include "platform/keyboard.h"
#include "platform/keystatepanel.h"

#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class KeyStatePanelTest : public ::testing::Test
{
protected:
    void SetUp() override { KeyboardLayouts::instance().reset(); }
    void TearDown() override { KeyboardLayouts::instance().reset(); }

    static void setNumLock(bool on)
    {
        BYTE table[256] = {};
        table[VK_NUMLOCK] = on ? 0x01 : 0x00;
        SetKeyboardState(table);
    }
};

TEST_F(KeyStatePanelTest, ShowsNumWhileTheEmulatedNumLockIsOn)
{
    KeyStatePanel panel;
    EXPECT_TRUE(panel.text().isEmpty());
    setNumLock(true);
    EXPECT_EQ(panel.text(), QStringLiteral("NUM"));
    setNumLock(false);
    EXPECT_TRUE(panel.text().isEmpty());
}

TEST_F(KeyStatePanelTest, StartsFromTheCurrentState)
{
    setNumLock(true);
    KeyStatePanel panel;
    EXPECT_EQ(panel.text(), QStringLiteral("NUM"));
}

TEST_F(KeyStatePanelTest, ThePhysicalNumLockKeyTogglesTheEmulatedState)
{
    QStatusBar bar;
    auto* panel = new KeyStatePanel;
    bar.addPermanentWidget(panel);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    QTest::keyClick(bar.windowHandle(), Qt::Key_NumLock);
    EXPECT_TRUE(isNumLockOn());
    EXPECT_EQ(panel->text(), QStringLiteral("NUM"));
    QTest::keyClick(bar.windowHandle(), Qt::Key_NumLock);
    EXPECT_FALSE(isNumLockOn());
    EXPECT_TRUE(panel->text().isEmpty());
    // Other keys leave the table alone.
    QTest::keyClick(bar.windowHandle(), Qt::Key_7, Qt::KeypadModifier);
    EXPECT_FALSE(isNumLockOn());
}

} // namespace
