// The window-procedure chain: key events as Windows messages, rewriting, and delivery to the widget.
#include "platform/keyboard.h"
#include "platform/windowproc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

void setNumLock(bool on)
{
    BYTE table[256] = {};
    table[VK_NUMLOCK] = on ? 0x01 : 0x00;
    SetKeyboardState(table);
}

struct LParamCase
{
    const char* name;
    unsigned scanCode;
    bool extended;
    bool previouslyDown;
    bool keyUp;
    LPARAM expected;
};

using MakeKeyLParam = ::testing::TestWithParam<LParamCase>;

TEST_P(MakeKeyLParam, PacksScanCodeRepeatAndFlags)
{
    const LParamCase& c = GetParam();
    EXPECT_EQ(makeKeyLParam(c.scanCode, c.extended, c.previouslyDown, c.keyUp), c.expected);
}

INSTANTIATE_TEST_SUITE_P(KeypadSeven, MakeKeyLParam,
                         ::testing::Values(LParamCase{"FirstDown", 0x47, false, false, false, 0x00470001},
                                           LParamCase{"NavigationBlock", 0x47, true, false, false,
                                                      0x01470001},
                                           LParamCase{"AutoRepeat", 0x47, false, true, false, 0x40470001},
                                           LParamCase{"KeypadTwoUp", 0x50, false, true, true, 0xC0500001}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PresentCase
{
    const char* name;
    bool numLock;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    KeyMessage expected;
    quint32 nativeScanCode = 0;
    QEvent::Type type = QEvent::KeyPress;
    bool autoRepeat = false;
};

class KeyMessageFor : public ::testing::TestWithParam<PresentCase>
{
protected:
    void TearDown() override { KeyboardLayouts::instance().reset(); }
};

TEST_P(KeyMessageFor, PresentsTheKeyAsWindowsWould)
{
    const PresentCase& c = GetParam();
    setNumLock(c.numLock);
    const QKeyEvent event(c.type, c.key, c.modifiers, c.nativeScanCode, 0, 0, QString::fromLatin1(c.text),
                          c.autoRepeat);
    const auto message = keyMessageFor(event);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->msg, c.expected.msg);
    EXPECT_EQ(message->wParam, c.expected.wParam);
    EXPECT_EQ(message->lParam, c.expected.lParam) << std::hex << message->lParam;
}

constexpr auto kPress = QEvent::KeyPress;
constexpr auto kRelease = QEvent::KeyRelease;
const Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
const Qt::KeyboardModifiers kNone = Qt::NoModifier;

const PresentCase kPresentCases[] = {
    {"PadSevenNumLockOff", false, Qt::Key_7, kPad, "7", {WM_KEYDOWN, VK_HOME, 0x00470001}},
    {"PadHomeNumLockOff", false, Qt::Key_Home, kPad, {}, {WM_KEYDOWN, VK_HOME, 0x00470001}},
    {"PadSevenNumLockOn", true, Qt::Key_7, kPad, "7", {WM_KEYDOWN, VK_NUMPAD0 + 7, 0x00470001}},
    {"PadHomeNumLockOn", true, Qt::Key_Home, kPad, {}, {WM_KEYDOWN, VK_NUMPAD0 + 7, 0x00470001}},
    {"PadFiveNumLockOff", false, Qt::Key_5, kPad, "5", {WM_KEYDOWN, VK_CLEAR, 0x004C0001}},
    {"PadZeroNumLockOff", false, Qt::Key_0, kPad, "0", {WM_KEYDOWN, VK_INSERT, 0x00520001}},
    {"NavigationHome", false, Qt::Key_Home, kNone, {}, {WM_KEYDOWN, VK_HOME, 0x01470001}},
    {"PadSevenRepeat", false, Qt::Key_7, kPad, "7", {WM_KEYDOWN, VK_HOME, 0x40470001}, 0, kPress, true},
    {"PadTwoUp", false, Qt::Key_2, kPad, "2", {WM_KEYUP, VK_DOWN, 0xC0500001}, 0, kRelease},
    {"LetterA", false, Qt::Key_A, kNone, "a", {WM_KEYDOWN, 'A', 0x001E0001}},
    {"MainRowSeven", false, Qt::Key_7, kNone, "7", {WM_KEYDOWN, '7', 0x00080001}},
    {"AltF", false, Qt::Key_F, Qt::AltModifier, {}, {WM_SYSKEYDOWN, 'F', 0x20210001}},
    {"PadEnter", false, Qt::Key_Enter, kPad, "\r", {WM_KEYDOWN, VK_RETURN, 0x011C0001}},
    // X11 reports the evdev code plus 8: keypad 7 is 71, the separate Home key 102.
    {"NativePadSeven", false, Qt::Key_Home, kPad, {}, {WM_KEYDOWN, VK_HOME, 0x00470001}, 71 + 8},
    {"NativeHome", false, Qt::Key_Home, kNone, {}, {WM_KEYDOWN, VK_HOME, 0x01470001}, 102 + 8},
    {"NativeLetterA", false, Qt::Key_A, kNone, "a", {WM_KEYDOWN, 'A', 0x001E0001}, 30 + 8},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyMessageFor, ::testing::ValuesIn(kPresentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyMessageForUnknown, GivesNothing)
{
    const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("x"));
    EXPECT_FALSE(keyMessageFor(event));
}

// Procedures for the tests below; each records what it saw and forwards through `next`.
std::vector<KeyMessage> g_seen;
LONG_PTR g_next = 0;

LRESULT recordingProcedure(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_seen.push_back({msg, wParam, lParam});
    return CallWindowProcA(g_next, hWnd, msg, wParam, lParam);
}

// Turns the letter key A into the character 'b', and swallows the letter key Q.
LRESULT rewritingProcedure(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == 'A')
        return CallWindowProcA(g_next, hWnd, WM_CHAR, 'b', lParam);
    if (wParam == 'Q')
        return 0;
    return CallWindowProcA(g_next, hWnd, msg, wParam, lParam);
}

class WindowProcChainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_seen.clear();
        KeyboardLayouts::instance().reset();
        edit.show();
        edit.setFocus();
    }
    void TearDown() override { KeyboardLayouts::instance().reset(); }

    void install(WNDPROC procedure)
    {
        g_next = SetWindowLongA(&edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    }

    QLineEdit edit;
};

TEST_F(WindowProcChainTest, EveryUnsubclassedWidgetAnswersTheOneDefaultProcedure)
{
    QLineEdit other;
    EXPECT_NE(GetWindowLongA(&edit, GWL_WNDPROC), 0);
    EXPECT_EQ(GetWindowLongA(&edit, GWL_WNDPROC), defaultWindowProcedure());
    EXPECT_EQ(GetWindowLongA(&other, GWL_WNDPROC), defaultWindowProcedure());
    EXPECT_EQ(GetWindowLongA(&edit, 0), 0);
    EXPECT_EQ(GetWindowLongA(nullptr, GWL_WNDPROC), 0);
    EXPECT_EQ(CallWindowProcA(0, &edit, WM_CHAR, '1', 1), 0); // no procedure: nothing happens
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST_F(WindowProcChainTest, SettingReturnsThePreviousProcedureAndRestoringUndoesIt)
{
    install(recordingProcedure);
    EXPECT_EQ(g_next, defaultWindowProcedure());
    EXPECT_EQ(GetWindowLongA(&edit, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&recordingProcedure));

    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(g_seen.size(), 2u); // down and up
    EXPECT_EQ(edit.text(), QStringLiteral("x"));

    EXPECT_EQ(SetWindowLongA(&edit, GWL_WNDPROC, g_next), reinterpret_cast<LONG_PTR>(&recordingProcedure));
    QTest::keyClick(&edit, Qt::Key_Y);
    EXPECT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(edit.text(), QStringLiteral("xy"));
}

TEST_F(WindowProcChainTest, TheProcedureSeesDownAndUpWithTheirFlags)
{
    install(recordingProcedure);
    QTest::keyClick(&edit, Qt::Key_2, Qt::KeypadModifier);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0], (KeyMessage{WM_KEYDOWN, VK_DOWN, 0x00500001}));
    EXPECT_EQ(g_seen[1], (KeyMessage{WM_KEYUP, VK_DOWN, 0xC0500001}));
}

TEST_F(WindowProcChainTest, AHeldKeyRepeatsItsKeyDownWithoutKeyUpsInBetween)
{
    install(recordingProcedure);
    // What X11 delivers for a key held until it repeats once: each repeat is a release and a press.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    for (QKeyEvent* event : {&press, &repeatRelease, &repeatPress, &release})
        QApplication::sendEvent(&edit, event);

    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].msg, WM_KEYDOWN);
    EXPECT_EQ(g_seen[0].lParam & (1u << 30), 0u);
    EXPECT_EQ(g_seen[1].msg, WM_KEYDOWN);
    EXPECT_NE(g_seen[1].lParam & (1u << 30), 0u); // the key was down already
    EXPECT_EQ(g_seen[2].msg, WM_KEYUP);
    EXPECT_EQ(edit.text(), QStringLiteral("xx"));
}

TEST_F(WindowProcChainTest, ACharacterFromTheProcedureIsTypedAndItsKeyDownSwallowed)
{
    install(rewritingProcedure);
    edit.setText(QStringLiteral("xy"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(edit.text(), QStringLiteral("xby"));
}

TEST_F(WindowProcChainTest, AMessageTheProcedureKeepsNeverArrives)
{
    install(rewritingProcedure);
    QTest::keyClick(&edit, Qt::Key_Q);
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST_F(WindowProcChainTest, KeypadKeysFollowTheEmulatedNumLock)
{
    install(recordingProcedure);
    edit.setText(QStringLiteral("ab"));

    setNumLock(false); // keypad 7 is Home: the cursor goes to the start, nothing is typed
    QTest::keyClick(&edit, Qt::Key_7, Qt::KeypadModifier, 0);
    EXPECT_EQ(edit.text(), QStringLiteral("ab"));
    EXPECT_EQ(edit.cursorPosition(), 0);

    setNumLock(true); // a keypad key that arrives as Home is the digit 7
    QTest::keyClick(&edit, Qt::Key_Home, Qt::KeypadModifier, 0);
    EXPECT_EQ(edit.text(), QStringLiteral("7ab"));
}

TEST_F(WindowProcChainTest, CharactersSentStraightToTheDefaultProcedureAreTyped)
{
    CallWindowProcA(defaultWindowProcedure(), &edit, WM_CHAR, '5', 0x00010001);
    CallWindowProcA(defaultWindowProcedure(), &edit, WM_CHAR, 0xD6D0, 0x00010001); // 中 in GBK
    EXPECT_EQ(edit.text(), QStringLiteral("5中"));
    CallWindowProcA(defaultWindowProcedure(), &edit, WM_CHAR, 0x08, 0x000E0001); // backspace
    EXPECT_EQ(edit.text(), QStringLiteral("5"));
}

TEST_F(WindowProcChainTest, RewrittenKeyEventsAreMarkedAsTheChainsOwn)
{
    struct Watcher : QObject
    {
        int own = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress && isDeliveredByWindowProcedure(event))
                ++own;
            return false;
        }
    } watcher;
    edit.installEventFilter(&watcher);
    install(rewritingProcedure);
    QTest::keyClick(&edit, Qt::Key_X); // passes unchanged: Qt's own event
    QTest::keyClick(&edit, Qt::Key_A); // becomes a character: the chain's event
    EXPECT_EQ(watcher.own, 1);
}

} // namespace
