// Keyboard layouts by id and handle, the active layout, and the emulated key-state table.
#include "platform/keyboard.h"
#include "platform/registry.h"
#include "tests/support/layoutregistration.h"
#include "tests/support/testfolders.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class KeyboardTest : public ::testing::Test
{
protected:
    void SetUp() override { KeyboardLayouts::instance().reset(); }
    void TearDown() override { KeyboardLayouts::instance().reset(); }

    testsupport::TestFolders folders;
};

TEST_F(KeyboardTest, UsEnglishAlwaysExistsAndIsActiveAtFirst)
{
    const HKL english = LoadKeyboardLayoutA(kUsEnglishLayoutId, 0);
    EXPECT_NE(english, 0u);
    EXPECT_EQ(LoadKeyboardLayoutA("00000409", 0), english);
    EXPECT_EQ(KeyboardLayouts::instance().activeLayout(), english);
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
}

TEST_F(KeyboardTest, OtherLayoutsExistOnlyWhenRegistered)
{
    EXPECT_EQ(LoadKeyboardLayoutA("E0200804", 0), 0u);
    testsupport::registerKeyboardLayout("E0200804");
    const HKL ime = LoadKeyboardLayoutA("E0200804", 0);
    EXPECT_NE(ime, 0u);
    EXPECT_EQ(LoadKeyboardLayoutA("e0200804", 0), ime); // the same layout however the id is spelt
    EXPECT_NE(ime, LoadKeyboardLayoutA("00000409", 0));
    EXPECT_EQ(KeyboardLayouts::instance().layoutId(ime), QByteArray("E0200804"));
    EXPECT_EQ(LoadKeyboardLayoutA("E0210804", 0), 0u);
    EXPECT_EQ(LoadKeyboardLayoutA("not an id", 0), 0u);
    EXPECT_EQ(LoadKeyboardLayoutA(nullptr, 0), 0u);
}

TEST_F(KeyboardTest, ActivationSwitchesAndAnnouncesTheLayout)
{
    testsupport::registerKeyboardLayout("E0230804");
    const HKL ime = LoadKeyboardLayoutA("E0230804", 0);
    const HKL english = LoadKeyboardLayoutA("00000409", 0);
    QSignalSpy changes(&KeyboardLayouts::instance(), &KeyboardLayouts::activeLayoutChanged);

    EXPECT_EQ(ActivateKeyboardLayout(ime, 0), english);
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("E0230804"));
    EXPECT_EQ(ActivateKeyboardLayout(ime, 0), ime); // already active: no second announcement
    EXPECT_EQ(ActivateKeyboardLayout(english, 0), ime);

    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0][0].toByteArray(), QByteArray("E0230804"));
    EXPECT_EQ(changes[1][0].toByteArray(), QByteArray("00000409"));
}

TEST_F(KeyboardTest, HandleZeroAndUnloadedHandlesChangeNothing)
{
    testsupport::registerKeyboardLayout("E0200804");
    const HKL ime = LoadKeyboardLayoutA("E0200804", 0);
    ActivateKeyboardLayout(ime, 0);
    QSignalSpy changes(&KeyboardLayouts::instance(), &KeyboardLayouts::activeLayoutChanged);
    EXPECT_EQ(ActivateKeyboardLayout(0, 0), 0u);
    EXPECT_EQ(ActivateKeyboardLayout(0xE0290804, 0), 0u);
    EXPECT_EQ(KeyboardLayouts::instance().activeLayout(), ime);
    EXPECT_TRUE(changes.isEmpty());
}

TEST_F(KeyboardTest, ResetForgetsLoadedLayoutsAndGoesBackToEnglish)
{
    testsupport::registerKeyboardLayout("E0200804");
    const HKL ime = LoadKeyboardLayoutA("E0200804", 0);
    ActivateKeyboardLayout(ime, 0);
    KeyboardLayouts::instance().reset();
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
    EXPECT_EQ(ActivateKeyboardLayout(ime, 0), 0u); // must be loaded again first
}

TEST_F(KeyboardTest, KeyStateTableIsReplacedWholeAndReadBack)
{
    EXPECT_FALSE(isNumLockOn());
    QSignalSpy changes(&KeyboardLayouts::instance(), &KeyboardLayouts::keyStateChanged);

    BYTE table[256] = {};
    table[VK_NUMLOCK] = 0x31;
    table[VK_SHIFT] = 0x80;
    ASSERT_TRUE(SetKeyboardState(table));
    EXPECT_TRUE(isNumLockOn());
    EXPECT_EQ(GetKeyState(VK_NUMLOCK), 1);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0); // held: the high bit
    EXPECT_EQ(GetKeyState(VK_CAPITAL), 0);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(256), 0);

    BYTE readBack[256];
    ASSERT_TRUE(GetKeyboardState(readBack));
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(readBack), 256),
              QByteArray(reinterpret_cast<char*>(table), 256));

    SetKeyboardState(table);  // the same table again changes nothing
    table[VK_NUMLOCK] = 0x30; // bit 0 clear: off, whatever the other bits say
    SetKeyboardState(table);
    EXPECT_FALSE(isNumLockOn());
    EXPECT_EQ(changes.size(), 2);
    EXPECT_FALSE(SetKeyboardState(nullptr));
}

TEST_F(KeyboardTest, PressingTheLockKeysTogglesTheEmulatedStateOncePerPress)
{
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    ASSERT_NE(edit.windowHandle(), nullptr);
    // Through the window, as a real key press comes: the window and then the focus widget see it.
    QTest::keyClick(edit.windowHandle(), Qt::Key_NumLock);
    EXPECT_TRUE(isNumLockOn());
    QTest::keyClick(edit.windowHandle(), Qt::Key_CapsLock);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    EXPECT_TRUE(isNumLockOn());
    QTest::keyClick(edit.windowHandle(), Qt::Key_NumLock);
    EXPECT_FALSE(isNumLockOn());
}

} // namespace
