#include "tests/ime/imewidgettest.h"

#include "platform/gbk.h"
#include "platform/keyboard.h"
#include "platform/problems.h"
#include "platform/registry.h"
#include "tests/ime/support/samplecodes.h"
#include "tests/support/layoutregistration.h"

#include <QTest>

using namespace platform;

namespace imetest {

void typeScript(QWidget* widget, const char* script)
{
    for (const char* c = script; *c; ++c) {
        if (*c >= '0' && *c <= '9') {
            QTest::keyClick(widget, Qt::Key(Qt::Key_0 + (*c - '0')));
            continue;
        }
        if (*c >= 'a' && *c <= 'z') {
            QTest::keyClick(widget, *c);
            continue;
        }
        switch (*c) {
        case 'S':
            QTest::keyClick(widget, Qt::Key_Space);
            break;
        case 'E':
            QTest::keyClick(widget, Qt::Key_Return);
            break;
        case 'U':
            QTest::keyClick(widget, Qt::Key_Up);
            break;
        case 'D':
            QTest::keyClick(widget, Qt::Key_Down);
            break;
        case 'B':
            QTest::keyClick(widget, Qt::Key_Backspace);
            break;
        case 'X':
            QTest::keyClick(widget, Qt::Key_Escape);
            break;
        default:
            ADD_FAILURE() << "unknown key in script: " << *c;
        }
    }
}

RecordingTarget::RecordingTarget(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool RecordingTarget::imeMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    Message message{msg, wParam, lParam, {}};
    if (msg == WM_IME_NOTIFY && wParam == IMN_OPENCANDIDATE) {
        const HIMC context = ImmGetContext(this);
        char buffer[20] = {};
        const LONG length = ImmGetCompositionStringA(context, GCS_COMPSTR, buffer, 10);
        message.composition = QByteArray(buffer, length);
        ImmReleaseContext(this, context);
    }
    messages.append(message);
    return msg != WM_INPUTLANGCHANGEREQUEST || acceptLayoutChange;
}

void ImeWidgetTest::SetUp()
{
    setProblemReporter([this](const QString& message) { problems << message; });
    testsupport::registerInputMethod(kTestLayoutId);
    ASSERT_TRUE(writeSampleFiles(folders.systemFolder()));
    KeyboardLayouts::instance().reset();
    inputMethod = &ime::InputMethod::install();
    inputMethod->reloadFiles();
}

void ImeWidgetTest::TearDown()
{
    KeyboardLayouts::instance().reset();
    inputMethod->reloadFiles();
    setProblemReporter({});
}

void ImeWidgetTest::switchToIme()
{
    const HKL layout = LoadKeyboardLayoutA(kTestLayoutId, 0);
    ASSERT_NE(layout, 0u);
    ActivateKeyboardLayout(layout, 0);
}

void ImeWidgetTest::switchToEnglish()
{
    ActivateKeyboardLayout(LoadKeyboardLayoutA(kUsEnglishLayoutId, 0), 0);
}

QByteArray ImeWidgetTest::activeLayoutId() const
{
    return KeyboardLayouts::instance().activeLayoutId();
}

} // namespace imetest
