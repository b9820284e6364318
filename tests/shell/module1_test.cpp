// The shared module: score figures, the keypad window procedure, the input-method lookup, layouts,
// NumLock, resources written to files and the membership test.
#include "platform/gbk.h"
#include "platform/imelookup.h"
#include "platform/keyboard.h"
#include "platform/resources.h"
#include "platform/windowproc.h"
#include "shell/module1.h"
#include "tests/support/files.h"
#include "tests/support/installedseams.h"
#include "tests/support/layoutregistration.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace platform;
using namespace Module1;

namespace {

// ---- ComputeScores ----

struct ScoreCase
{
    const char* name;
    std::int16_t correct;
    std::int16_t typed;
    float minutes;
    float accuracy;
    float typingSpeed;
    float effectiveSpeed;
};

class ComputeScoresTest : public ::testing::TestWithParam<ScoreCase>
{
};

TEST_P(ComputeScoresTest, GivesTheThreeFigures)
{
    const ScoreCase& c = GetParam();
    gAccuracy = gTypingSpeed = gEffectiveSpeed = 99; // the figures of an earlier run never survive
    ComputeScores(c.correct, c.typed, c.minutes);
    EXPECT_FLOAT_EQ(gAccuracy, c.accuracy);
    EXPECT_FLOAT_EQ(gTypingSpeed, c.typingSpeed);
    EXPECT_FLOAT_EQ(gEffectiveSpeed, c.effectiveSpeed);
}

INSTANTIATE_TEST_SUITE_P(Figures, ComputeScoresTest,
                         ::testing::Values(ScoreCase{"FortyFiveOfFifty", 45, 50, 2.5f, 0.9f, 20, 18},
                                           ScoreCase{"TwoOfThreeTruncates", 2, 3, 1, 0.66f, 3, 2},
                                           ScoreCase{"NothingTyped", 0, 0, 0.5f, 0, 0, 0},
                                           ScoreCase{"FourHundredOfFourHundredTen", 400, 410, 5, 0.97f, 82,
                                                     80},
                                           ScoreCase{"NoTimeLeavesSpeedsZero", 10, 10, 0, 1, 0, 0},
                                           // Each figure stands alone: a zero count spoils only the accuracy.
                                           ScoreCase{"ZeroTypedKeepsEffectiveSpeed", 5, 0, 2, 0, 0, 2},
                                           // The product needs more than 16 bits.
                                           ScoreCase{"LargeCounts", 32000, 32767, 60, 0.97f, 546, 533},
                                           ScoreCase{"NotANumberOfMinutes", 3, 4,
                                                     std::numeric_limits<float>::quiet_NaN(), 0.75f, 0, 0},
                                           ScoreCase{"OverflowingSpeed", 3, 4, 1e-40f, 0.75f, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- KeypadWndProc ----

std::vector<KeyMessage> g_forwarded;
LONG_PTR g_afterRecorder = 0;
constexpr LRESULT kRecorderResult = 4242;

LRESULT recorder(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_forwarded.push_back({msg, wParam, lParam});
    if (g_afterRecorder)
        CallWindowProcA(g_afterRecorder, hWnd, msg, wParam, lParam);
    return kRecorderResult;
}

struct KeypadCase
{
    const char* name;
    KeyMessage in;
    KeyMessage out;
};

class KeypadWndProcTest : public ::testing::TestWithParam<KeypadCase>
{
protected:
    void SetUp() override
    {
        g_forwarded.clear();
        g_afterRecorder = 0;
        gOldWndProc = reinterpret_cast<LONG_PTR>(&recorder);
    }
    void TearDown() override { gOldWndProc = 0; }
};

TEST_P(KeypadWndProcTest, ForwardsEveryMessageToTheSavedProcedure)
{
    const KeypadCase& c = GetParam();
    EXPECT_EQ(KeypadWndProc(nullptr, c.in.msg, c.in.wParam, c.in.lParam), kRecorderResult);
    ASSERT_EQ(g_forwarded.size(), 1u);
    EXPECT_EQ(g_forwarded[0].msg, c.out.msg);
    EXPECT_EQ(g_forwarded[0].wParam, c.out.wParam);
    EXPECT_EQ(g_forwarded[0].lParam, c.out.lParam);
}

std::vector<KeypadCase> keypadCases()
{
    // The ten first key-downs with NumLock off, in keypad order 0..9.
    const std::pair<WPARAM, unsigned> keys[] = {
        {VK_INSERT, 0x52}, {VK_END, 0x4F},   {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_LEFT, 0x4B},
        {VK_CLEAR, 0x4C},  {VK_RIGHT, 0x4D}, {VK_HOME, 0x47}, {VK_UP, 0x48},   {VK_PRIOR, 0x49}};
    static const char* names[] = {"Pad0", "Pad1", "Pad2", "Pad3", "Pad4",
                                  "Pad5", "Pad6", "Pad7", "Pad8", "Pad9"};
    std::vector<KeypadCase> cases;
    for (unsigned digit = 0; digit < 10; ++digit) {
        const LPARAM lParam = makeKeyLParam(keys[digit].second, false, false, false);
        cases.push_back(
            {names[digit], {WM_KEYDOWN, keys[digit].first, lParam}, {WM_CHAR, 0x30 + digit, lParam}});
    }
    const auto same = [](const char* name, KeyMessage m) { return KeypadCase{name, m, m}; };
    cases.push_back(same("Pad7AutoRepeat", {WM_KEYDOWN, VK_HOME, 0x40470001}));
    cases.push_back(same("NavigationHome", {WM_KEYDOWN, VK_HOME, 0x01470001}));
    cases.push_back(same("Pad2KeyUp", {WM_KEYUP, VK_DOWN, 0xC0500001}));
    cases.push_back(same("Pad7NumLockOn", {WM_KEYDOWN, VK_NUMPAD0 + 7, 0x00470001}));
    cases.push_back(same("HomeWithWrongScanCode", {WM_KEYDOWN, VK_HOME, 0x00480001}));
    cases.push_back(same("OtherMessage", {WM_CHAR, 'x', 0x002D0001}));
    // The message number is not looked at.
    cases.push_back({"AnyMessageNumber", {WM_KEYUP, VK_HOME, 0x00470001}, {WM_CHAR, '7', 0x00470001}});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Messages, KeypadWndProcTest, ::testing::ValuesIn(keypadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeypadWndProcSavedItself, ForwardsToTheBoxInsteadOfRecursing)
{
    QLineEdit edit;
    gOldWndProc = reinterpret_cast<LONG_PTR>(&KeypadWndProc);
    KeypadWndProc(&edit, WM_KEYDOWN, VK_HOME, 0x00470001);
    gOldWndProc = 0;
    EXPECT_EQ(edit.text(), QStringLiteral("7"));
}

// A real text box equipped as the windows equip their answer boxes, driven by key events.
class KeypadBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KeyboardLayouts::instance().reset(); // NumLock off
        g_forwarded.clear();
        box.setObjectName(QStringLiteral("Text1"));
        box.show();
        box.setFocus();
        // A recording link first, so the test sees what the keypad procedure hands on.
        g_afterRecorder = SetWindowLongA(&box, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&recorder));
        gOldWndProc = GetWindowLongA(&box, GWL_WNDPROC);
        SetWindowLongA(&box, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&KeypadWndProc));
    }
    void TearDown() override
    {
        SetWindowLongA(&box, GWL_WNDPROC, gOldWndProc);
        gOldWndProc = 0;
        g_afterRecorder = 0;
        KeyboardLayouts::instance().reset();
    }

    void send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text,
              bool autoRepeat)
    {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        QApplication::sendEvent(&box, &event);
    }

    QLineEdit box;
};

TEST_F(KeypadBoxTest, KeypadSevenWithNumLockOffTypesOneSevenThenActsAsHome)
{
    box.setText(QStringLiteral("12"));
    send(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"), false);
    EXPECT_EQ(box.text(), QStringLiteral("127"));
    send(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"), true); // auto-repeat
    EXPECT_EQ(box.text(), QStringLiteral("127"));
    EXPECT_EQ(box.cursorPosition(), 0); // arrived as Home
    send(QEvent::KeyRelease, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"), false);

    ASSERT_EQ(g_forwarded.size(), 3u);
    EXPECT_EQ(g_forwarded[0], (KeyMessage{WM_CHAR, 0x37, 0x00470001}));
    EXPECT_EQ(g_forwarded[1], (KeyMessage{WM_KEYDOWN, VK_HOME, 0x40470001}));
    EXPECT_EQ(g_forwarded[2], (KeyMessage{WM_KEYUP, VK_HOME, 0xC0470001}));
}

TEST_F(KeypadBoxTest, EveryKeypadDigitArrivesWithNumLockOff)
{
    for (int digit = 0; digit <= 9; ++digit)
        QTest::keyClick(&box, Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier);
    EXPECT_EQ(box.text(), QStringLiteral("0123456789"));
}

TEST_F(KeypadBoxTest, TheSeparateHomeKeyStaysHome)
{
    box.setText(QStringLiteral("12"));
    QTest::keyClick(&box, Qt::Key_Home);
    EXPECT_EQ(box.text(), QStringLiteral("12"));
    EXPECT_EQ(box.cursorPosition(), 0);
    ASSERT_FALSE(g_forwarded.empty());
    EXPECT_EQ(g_forwarded[0], (KeyMessage{WM_KEYDOWN, VK_HOME, 0x01470001}));
}

TEST_F(KeypadBoxTest, WithNumLockOnKeypadDigitsPassUnchanged)
{
    NumLockOn();
    QTest::keyClick(&box, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(&box, Qt::Key_Home, Qt::KeypadModifier); // the physical lock off: still a 7
    EXPECT_EQ(box.text(), QStringLiteral("77"));
    ASSERT_FALSE(g_forwarded.empty());
    EXPECT_EQ(g_forwarded[0], (KeyMessage{WM_KEYDOWN, VK_NUMPAD0 + 7, 0x00470001}));
}

// ---- LoadImeLayouts and RegGetString ----

struct LayoutEntry
{
    const char* id;
    DWORD type;
    QByteArray text; // GBK bytes as stored
};

QByteArray registryText(const QString& text)
{
    return gbk::encode(text) + '\0';
}

const QString kName = platform::imeDisplayName();

void writeLayout(const LayoutEntry& entry)
{
    testsupport::registerKeyboardLayout(entry.id, entry.text, entry.type);
}

class ModuleTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override
    {
        KeyboardLayouts::instance().reset();
        gImeLayout = gEnglishLayout = 0;
    }
    void TearDown() override
    {
        KeyboardLayouts::instance().reset();
        gImeLayout = gEnglishLayout = 0;
        gAppPath.clear();
    }
};

struct LookupCase
{
    const char* name;
    std::vector<LayoutEntry> entries;
    const char* foundId; // nullptr: the input method is missing
};

class LookupTest : public ModuleTest, public ::testing::WithParamInterface<LookupCase>
{
};

TEST_P(LookupTest, FindsTheFirstMatchingLayoutOrTellsTheUser)
{
    for (const LayoutEntry& entry : GetParam().entries)
        writeLayout(entry);
    LoadImeLayouts();

    const char* found = GetParam().foundId;
    if (found) {
        EXPECT_EQ(KeyboardLayouts::instance().layoutId(gImeLayout), QByteArray(found));
        EXPECT_EQ(KeyboardLayouts::instance().layoutId(gEnglishLayout), QByteArray("00000409"));
        EXPECT_TRUE(seams.ui.messageBoxes().isEmpty());
    } else {
        EXPECT_EQ(gImeLayout, 0u);
        EXPECT_EQ(gEnglishLayout, 0u);
        ASSERT_EQ(seams.ui.messageBoxes().size(), 1);
        const auto& box = seams.ui.messageBoxes().front();
        EXPECT_EQ(box.title, QStringLiteral("Talvoren汉字教学软体"));
        EXPECT_EQ(box.text,
                  QStringLiteral("本计算机未安装Talvoren汉字输入法!\r\n本软体大部分功能无法正常使用"));
        EXPECT_EQ(box.flags, MB_ICONSTOP | MB_OK);
    }
    // Loading never switches: US English stays active.
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
}

const QByteArray kMatch = registryText(kName);

INSTANTIATE_TEST_SUITE_P(
    Registries, LookupTest,
    ::testing::Values(
        LookupCase{"StopsAtE0230804",
                   {{"E0200804", REG_SZ, registryText(QStringLiteral("其他输入法"))},
                    {"E0230804", REG_SZ, kMatch},
                    {"E0240804", REG_SZ, kMatch}},
                   "E0230804"},
        LookupCase{"CaseDifferentNameIsSkipped",
                   {{"E0200804", REG_SZ, registryText(QStringLiteral("TALVOREN输入法2002简易版"))},
                    {"E0290804", REG_SZ, kMatch}},
                   "E0290804"},
        LookupCase{"ExpandableStringIsSkipped", {{"E0210804", REG_EXPAND_SZ, kMatch}}, nullptr},
        LookupCase{"IdsOutsideTheRangeAreNeverExamined",
                   {{"E0200404", REG_SZ, kMatch}, {"E0300804", REG_SZ, kMatch}, {"E02A0804", REG_SZ, kMatch}},
                   nullptr},
        LookupCase{"TextEndsAtTheFirstNul",
                   {{"E0220804", REG_SZ, gbk::encode(kName) + QByteArray("\0junk", 5)}},
                   "E0220804"},
        LookupCase{"TextWithoutNul", {{"E0220804", REG_SZ, gbk::encode(kName)}}, "E0220804"},
        LookupCase{"EmptyRegistry", {}, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleTest, RegGetStringReadsGbkTextAndOtherwiseGivesTheDefault)
{
    HKEY key = 0;
    const QByteArray path = gbk::encode(QStringLiteral("Software\\测试"));
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.constData(), &key), ERROR_SUCCESS);
    const QByteArray text = registryText(QStringLiteral("汉字"));
    const QByteArray number("\x01\0\0\0", 4);
    RegSetValueExA(key, gbk::encode(QStringLiteral("名字")).constData(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.constData()), DWORD(text.size()));
    RegSetValueExA(key, "number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(number.constData()), 4);
    RegSetValueExA(key, "empty", 0, REG_SZ, nullptr, 0);
    RegCloseKey(key);

    const QString subKey = QStringLiteral("software\\测试");
    const QString fallback = QStringLiteral("默认");
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, subKey, QStringLiteral("名字"), fallback),
              QStringLiteral("汉字"));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, subKey, QStringLiteral("number"), fallback), fallback);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, subKey, QStringLiteral("missing"), fallback), fallback);
    EXPECT_EQ(
        RegGetString(HKEY_CURRENT_USER, QStringLiteral("Software\\None"), QStringLiteral("x"), fallback),
        fallback);
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, subKey, QStringLiteral("empty"), fallback), QString());
    EXPECT_EQ(RegGetString(HKEY_LOCAL_MACHINE, subKey, QStringLiteral("名字"), fallback), fallback);
}

TEST_F(ModuleTest, LayoutSwitchesUseTheLoadedHandles)
{
    writeLayout({"E0230804", REG_SZ, kMatch});
    LoadImeLayouts();
    ActivateImeLayout();
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("E0230804"));
    ActivateEnglishLayout();
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
}

TEST_F(ModuleTest, LayoutSwitchesWithoutTheInputMethodChangeNothing)
{
    LoadImeLayouts();
    ActivateImeLayout();
    ActivateEnglishLayout();
    EXPECT_EQ(KeyboardLayouts::instance().activeLayoutId(), QByteArray("00000409"));
}

TEST_F(ModuleTest, NumLockOnReplacesTheWholeKeyState)
{
    BYTE before[256] = {};
    before[VK_CAPITAL] = 0x01;
    before[VK_SCROLL] = 0x01;
    before[VK_SHIFT] = 0x80;
    SetKeyboardState(before);
    NumLockOn();
    BYTE after[256];
    GetKeyboardState(after);
    for (int vk = 0; vk < 256; ++vk)
        EXPECT_EQ(after[vk], vk == VK_NUMLOCK ? 0x31 : 0x00) << vk;
    EXPECT_TRUE(isNumLockOn());
}

// ---- SaveResourceToFile ----

TEST_F(ModuleTest, SaveResourceToFileWritesTheResourceBytes)
{
    gAppPath = folders.programFolder();
    bool found = false;
    const QByteArray gif = resources::load(QStringLiteral("GIF"), 101, &found);
    ASSERT_TRUE(found);
    ASSERT_TRUE(SaveResourceToFile(101, QStringLiteral("GIF"), QStringLiteral("101.gif")));
    EXPECT_EQ(testsupport::readFile(gAppPath + QStringLiteral("101.gif")), gif);
}

TEST_F(ModuleTest, SaveResourceToFileReplacesALongerFileWhole)
{
    gAppPath = folders.programFolder();
    const QByteArray gif = resources::load(QStringLiteral("GIF"), 102);
    ASSERT_TRUE(
        testsupport::writeFile(gAppPath + QStringLiteral("102.gif"), QByteArray(gif.size() + 10, 'z')));
    ASSERT_TRUE(SaveResourceToFile(102, QStringLiteral("GIF"), QStringLiteral("102.gif")));
    EXPECT_EQ(testsupport::readFile(gAppPath + QStringLiteral("102.gif")), gif);
}

TEST_F(ModuleTest, SaveResourceToFileFailsWithoutResourceOrFolder)
{
    gAppPath = folders.programFolder();
    EXPECT_FALSE(SaveResourceToFile(999, QStringLiteral("GIF"), QStringLiteral("999.gif")));
    EXPECT_FALSE(QFile::exists(gAppPath + QStringLiteral("999.gif")));
    gAppPath = folders.programFolder() + QStringLiteral("no/such/folder/");
    EXPECT_FALSE(SaveResourceToFile(101, QStringLiteral("GIF"), QStringLiteral("101.gif")));
}

// ---- IsInArray ----

TEST(IsInArray, FindsOnlyWithinTheCount)
{
    const std::int32_t values[] = {1, 7, 9};
    EXPECT_TRUE(IsInArray(7, 3, values));
    EXPECT_TRUE(IsInArray(9, 3, values));
    EXPECT_FALSE(IsInArray(7, 0, values));
    EXPECT_FALSE(IsInArray(7, -1, values));
    EXPECT_FALSE(IsInArray(7, 1, values)); // 7 lies beyond the first element
    EXPECT_FALSE(IsInArray(8, 3, values));
}

} // namespace
