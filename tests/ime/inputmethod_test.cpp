// The input method on real widgets: composition, commits, notifications and layout switching.
#include "platform/gbk.h"
#include "platform/ime/candidatepopup.h"
#include "platform/imelookup.h"
#include "platform/keyboard.h"
#include "platform/windowproc.h"
#include "tests/ime/imewidgettest.h"
#include "tests/ime/support/samplecodes.h"
#include "tests/support/files.h"
#include "tests/support/layoutregistration.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

using namespace platform;
using imetest::ImeWidgetTest;
using imetest::RecordingTarget;
using imetest::typeScript;

namespace {

QList<WPARAM> gbkCodes(const QString& text)
{
    QList<WPARAM> codes;
    const QByteArray bytes = gbk::encode(text);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        codes << (WPARAM(static_cast<unsigned char>(bytes[i])) << 8 |
                  static_cast<unsigned char>(bytes[i + 1]));
    return codes;
}

struct ScriptCase
{
    const char* name;
    const char* script;
    QString text;
};

class LineEditScriptTest : public ImeWidgetTest, public ::testing::WithParamInterface<ScriptCase>
{
};

TEST_P(LineEditScriptTest, CommitsWhatTheKeysChoose)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    typeScript(&edit, GetParam().script);
    EXPECT_EQ(edit.text(), GetParam().text);
    EXPECT_TRUE(inputMethod->composition().isEmpty());
    // One change per committed word, carrying the whole word.
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, LineEditScriptTest,
    ::testing::Values(ScriptCase{"UniqueCharacter", "4040", QStringLiteral("木")},
                      ScriptCase{"UniqueWord", "88", QStringLiteral("好的")},
                      ScriptCase{"SpaceCommitsFirst", "5000S", QStringLiteral("中")},
                      ScriptCase{"EnterCommitsFirst", "12E", QStringLiteral("丁")},
                      ScriptCase{"DownMovesHighlight", "5000DDS", QStringLiteral("申")},
                      ScriptCase{"UpMovesBack", "5000DDDUS", QStringLiteral("申")},
                      ScriptCase{"UpStopsAtFirst", "5000UUS", QStringLiteral("中")},
                      ScriptCase{"BackspaceRemovesDigit", "500BS", QStringLiteral("中国")},
                      ScriptCase{"EscapeDropsComposition", "50X4040", QStringLiteral("木")},
                      ScriptCase{"DeadDigitIgnored", "94040", QStringLiteral("木")},
                      ScriptCase{"UserWord", "5000DDDDS", QStringLiteral("中文")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImeWidgetTest, WithUsEnglishDigitsArriveAsDigits)
{
    QLineEdit edit;
    edit.show();
    typeScript(&edit, "4040");
    EXPECT_EQ(edit.text(), QStringLiteral("4040"));
    switchToIme();
    switchToEnglish();
    typeScript(&edit, "88");
    EXPECT_EQ(edit.text(), QStringLiteral("404088"));
}

TEST_F(ImeWidgetTest, WordCommitsAsOneChangeOfATextEdit)
{
    QTextEdit edit;
    edit.show();
    switchToIme();
    QSignalSpy changes(&edit, &QTextEdit::textChanged);
    typeScript(&edit, "88");
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("好的"));
    EXPECT_EQ(changes.size(), 1);
}

TEST_F(ImeWidgetTest, KeypadKeysComposeAsDigitsWithNumLockOn)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    BYTE keys[256] = {};
    keys[VK_NUMLOCK] = 0x01;
    SetKeyboardState(keys);
    // Keypad 4, 0 as the navigation keys they are with the physical lock off, then as digits.
    QTest::keyClick(&edit, Qt::Key_Left, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(&edit, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("木"));
    // With NumLock off the keypad gives navigation keys: numlock_test.cpp.
}

// A box whose window procedure turns the keypad's navigation keys into digits, as the exercises'
// answer boxes do: the digit it makes is typed text, which the input method must not compose.
LRESULT keypadHomeToSeven(HWND widget, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == VK_HOME && lParam == 0x00470001)
        return CallWindowProcA(defaultWindowProcedure(), widget, WM_CHAR, '7', lParam);
    return CallWindowProcA(defaultWindowProcedure(), widget, msg, wParam, lParam);
}

TEST_F(ImeWidgetTest, DigitsMadeByAWindowProcedureBypassTheComposition)
{
    QLineEdit edit;
    edit.show();
    SetWindowLongA(&edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&keypadHomeToSeven));
    switchToIme();
    QTest::keyClick(&edit, Qt::Key_Home, Qt::KeypadModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("7"));
    EXPECT_TRUE(inputMethod->composition().isEmpty());
}

TEST_F(ImeWidgetTest, OtherKeyDropsTheCompositionAndReachesTheWidget)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    typeScript(&edit, "50a");
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
    EXPECT_TRUE(inputMethod->composition().isEmpty());
}

TEST_F(ImeWidgetTest, WidgetsWithoutInputMethodTextAreLeftAlone)
{
    QLineEdit edit;
    edit.setReadOnly(true);
    edit.show();
    switchToIme();
    typeScript(&edit, "50");
    EXPECT_TRUE(inputMethod->composition().isEmpty());
}

TEST_F(ImeWidgetTest, TargetGetsTheNotificationThenOneImeCharPerCharacter)
{
    RecordingTarget target;
    target.show();
    switchToIme();
    typeScript(&target, "88");
    typeScript(&target, "5000DS");
    const QList<WPARAM> word = gbkCodes(QStringLiteral("好的"));
    const QList<WPARAM> character = gbkCodes(QStringLiteral("史"));
    ASSERT_EQ(target.messages.size(), 5);
    EXPECT_EQ(target.messages[0].msg, WM_IME_NOTIFY);
    EXPECT_EQ(target.messages[0].wParam, IMN_OPENCANDIDATE);
    EXPECT_EQ(target.messages[0].composition, QByteArray("88"));
    EXPECT_EQ(target.messages[1].msg, WM_IME_CHAR);
    EXPECT_EQ(target.messages[1].wParam, word[0]);
    EXPECT_EQ(target.messages[2].msg, WM_IME_CHAR);
    EXPECT_EQ(target.messages[2].wParam, word[1]);
    EXPECT_EQ(target.messages[3].msg, WM_IME_NOTIFY);
    EXPECT_EQ(target.messages[3].composition, QByteArray("5000"));
    EXPECT_EQ(target.messages[4].msg, WM_IME_CHAR);
    EXPECT_EQ(target.messages[4].wParam, character[0]);
    EXPECT_TRUE(inputMethod->composition().isEmpty());
}

TEST_F(ImeWidgetTest, ChildWithoutInputMethodTextReachesTheNearestTarget)
{
    RecordingTarget target;
    auto* child = new QWidget(&target);
    target.show();
    switchToIme();
    typeScript(child, "4040");
    ASSERT_EQ(target.messages.size(), 2);
    EXPECT_EQ(target.messages[0].composition, QByteArray("4040"));
    EXPECT_EQ(target.messages[1].wParam, gbkCodes(QStringLiteral("木"))[0]);
}

TEST_F(ImeWidgetTest, NotificationComesOnceBeforeEveryCommit)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    QStringList order;
    QObject::connect(inputMethod, &ime::InputMethod::candidateListOpened, &edit,
                     [&](const QByteArray& composition) {
                         order << QString::fromLatin1(composition) + u'|' + edit.text();
                     });
    QObject::connect(inputMethod, &ime::InputMethod::committed, &edit,
                     [&](const QString& text) { order << text; });
    typeScript(&edit, "12S");
    typeScript(&edit, "4040");
    EXPECT_EQ(order, (QStringList{QStringLiteral("12|"), QStringLiteral("丁"), QStringLiteral("4040|丁"),
                                  QStringLiteral("木")}));
}

TEST_F(ImeWidgetTest, AskingForTheCompositionWithoutABufferGivesItsSize)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    QList<LONG> sizes;
    QObject::connect(inputMethod, &ime::InputMethod::candidateListOpened, &edit, [&] {
        const HIMC context = ImmGetContext(&edit);
        sizes << ImmGetCompositionStringA(context, GCS_COMPSTR, nullptr, 64);
        ImmReleaseContext(&edit, context);
    });
    typeScript(&edit, "4040");
    EXPECT_EQ(sizes, QList<LONG>{4});
}

TEST_F(ImeWidgetTest, MovingFocusDropsTheComposition)
{
    QWidget window;
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    switchToIme();
    typeScript(first, "500");
    ASSERT_EQ(inputMethod->composition(), QByteArray("500"));
    second->setFocus();
    EXPECT_TRUE(inputMethod->composition().isEmpty());
    EXPECT_FALSE(inputMethod->popup()->isVisible());
    typeScript(second, "4040");
    EXPECT_TRUE(first->text().isEmpty());
    EXPECT_EQ(second->text(), QStringLiteral("木"));
}

TEST_F(ImeWidgetTest, PopupShowsTheCompositionAndCandidatesWithTheirCodes)
{
    QLineEdit edit;
    edit.show();
    switchToIme();
    typeScript(&edit, "5000D");
    const ime::CandidatePopup* popup = inputMethod->popup();
    ASSERT_TRUE(popup);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->composition(), QStringLiteral("5000"));
    ASSERT_EQ(popup->rows().size(), 5);
    EXPECT_EQ(popup->rows()[0].text, QStringLiteral("中"));
    EXPECT_EQ(popup->rows()[4].text, QStringLiteral("中文"));
    for (const auto& row : popup->rows())
        EXPECT_EQ(row.code, QStringLiteral("5000"));
    EXPECT_EQ(popup->highlight(), 1);
    EXPECT_FALSE(popup->isActiveWindow());
    typeScript(&edit, "S");
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(ImeWidgetTest, CtrlSpaceSwitchesBothWays)
{
    QLineEdit edit;
    edit.show();
    QTest::keyClick(&edit, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(activeLayoutId(), QByteArray(imetest::kTestLayoutId));
    EXPECT_TRUE(inputMethod->isOn());
    QTest::keyClick(&edit, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(activeLayoutId(), QByteArray(kUsEnglishLayoutId));
    EXPECT_FALSE(inputMethod->isOn());
    EXPECT_TRUE(edit.text().isEmpty());
}

TEST_F(ImeWidgetTest, CtrlSpaceWithoutTheInputMethodChangesNothing)
{
    testsupport::registerKeyboardLayout(imetest::kTestLayoutId, QStringLiteral("Some other input method"));
    RecordingTarget target;
    target.show();
    QTest::keyClick(&target, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(activeLayoutId(), QByteArray(kUsEnglishLayoutId));
    EXPECT_TRUE(target.messages.isEmpty());
}

TEST_F(ImeWidgetTest, FocusedWindowMayRefuseTheLayoutChange)
{
    RecordingTarget target;
    target.show();
    switchToIme();
    target.acceptLayoutChange = false;
    QTest::keyClick(&target, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(activeLayoutId(), QByteArray(imetest::kTestLayoutId));
    ASSERT_EQ(target.messages.size(), 1);
    EXPECT_EQ(target.messages[0].msg, WM_INPUTLANGCHANGEREQUEST);
    EXPECT_EQ(target.messages[0].lParam, LPARAM(LoadKeyboardLayoutA(kUsEnglishLayoutId, 0)));

    target.acceptLayoutChange = true;
    QTest::keyClick(&target, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(activeLayoutId(), QByteArray(kUsEnglishLayoutId));
}

TEST_F(ImeWidgetTest, OnlyTheRegisteredDisplayNameCounts)
{
    testsupport::registerKeyboardLayout("E0200804", QStringLiteral("Some other input method"));
    EXPECT_EQ(findImeLayoutId(), QByteArray(imetest::kTestLayoutId));
    QLineEdit edit;
    edit.show();
    ActivateKeyboardLayout(LoadKeyboardLayoutA("E0200804", 0), 0);
    typeScript(&edit, "4040");
    EXPECT_EQ(edit.text(), QStringLiteral("4040"));
}

class BrokenFileTest : public ImeWidgetTest,
                       public ::testing::WithParamInterface<std::pair<const char*, QByteArray>>
{
};

TEST_P(BrokenFileTest, ToldOnceThenTheLayoutTypesAsUsEnglish)
{
    const QString path = folders.systemFolder() + QLatin1StringView(GetParam().first);
    if (GetParam().second.isNull())
        ASSERT_TRUE(QFile::remove(path));
    else
        ASSERT_TRUE(testsupport::writeFile(path, GetParam().second));
    QLineEdit edit;
    edit.show();
    switchToIme();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(path));
    EXPECT_FALSE(inputMethod->isOn());
    typeScript(&edit, "4040");
    EXPECT_EQ(edit.text(), QStringLiteral("4040"));
    switchToEnglish();
    switchToIme();
    EXPECT_EQ(problems.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenFileTest,
    ::testing::Values(std::pair{"orvesk.mb", QByteArray()}, std::pair{"ZDYgbk.TXT", QByteArray()},
                      std::pair{"orvesk.mb", QByteArray(20, '\0')},
                      std::pair{"orvesk.mb", imetest::codeFileAround(QByteArray("\xA0\x00\x00\xFF", 4), {})},
                      std::pair{"ZDYgbk.TXT", QByteArray("5000\0\0", 6)}),
    [](const auto& info) { return std::to_string(info.index); });

} // namespace
