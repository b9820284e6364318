#include "platform/ime/inputmethod.h"

#include "platform/gbk.h"
#include "platform/ime/candidatepopup.h"
#include "platform/ime/imefiles.h"
#include "platform/ime/imenotifications.h"
#include "platform/imelookup.h"
#include "platform/keyboard.h"
#include "platform/paths.h"
#include "platform/problems.h"
#include "platform/virtualkeys.h"
#include "platform/windowproc.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace platform::ime {
namespace {

InputMethod*& installed()
{
    static InputMethod* inputMethod = nullptr;
    return inputMethod;
}

bool acceptsInputMethodText(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_InputMethodEnabled) &&
           widget->inputMethodQuery(Qt::ImEnabled).toBool();
}

bool isLayoutSwitchKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Space && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

ComposerKey classify(const QKeyEvent* event)
{
    using Kind = ComposerKey::Kind;
    const int key = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (keypad && modifiers == Qt::NoModifier) {
        // A keypad key is a digit while the emulated NumLock is on, whatever the physical lock says.
        const auto read = readQtKey(*event);
        if (read && read->qtKey >= Qt::Key_0 && read->qtKey <= Qt::Key_9)
            return ComposerKey::ofDigit(read->qtKey - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return ComposerKey::of(Kind::Modifier);
    default:
        break;
    }
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return ComposerKey::of(Kind::Other);
    if (!keypad && key >= Qt::Key_0 && key <= Qt::Key_9 && modifiers == Qt::NoModifier)
        return ComposerKey::ofDigit(key - Qt::Key_0);
    if (modifiers != Qt::NoModifier)
        return ComposerKey::of(Kind::Other);
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ComposerKey::of(Kind::Commit);
    case Qt::Key_Up:
        return ComposerKey::of(Kind::Up);
    case Qt::Key_Down:
        return ComposerKey::of(Kind::Down);
    case Qt::Key_Backspace:
        return ComposerKey::of(Kind::Backspace);
    case Qt::Key_Escape:
        return ComposerKey::of(Kind::Escape);
    default:
        return ComposerKey::of(Kind::Other);
    }
}

// One code per character: a double-byte character as lead byte * 256 + trail byte.
QList<WPARAM> gbkCharacterCodes(const QByteArray& text)
{
    QList<WPARAM> codes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (gbk::isLeadByte(byte) && i + 1 < text.size()) {
            codes.append(WPARAM(byte) << 8 | static_cast<unsigned char>(text[i + 1]));
            ++i;
        } else {
            codes.append(byte);
        }
    }
    return codes;
}

} // namespace

bool takesImeText(const QWidget* widget)
{
    return messageTarget(const_cast<QWidget*>(widget)) != nullptr || acceptsInputMethodText(widget);
}

ImeMessageTarget* messageTarget(QWidget* widget)
{
    if (auto* target = dynamic_cast<ImeMessageTarget*>(widget))
        return target;
    if (acceptsInputMethodText(widget))
        return nullptr;
    for (QWidget* w = widget; w && !w->isWindow();) {
        w = w->parentWidget();
        if (auto* target = dynamic_cast<ImeMessageTarget*>(w))
            return target;
    }
    return nullptr;
}

InputMethod& InputMethod::install()
{
    if (!installed()) {
        Q_ASSERT(qobject_cast<QApplication*>(QCoreApplication::instance()));
        installed() = new InputMethod;
    }
    return *installed();
}

InputMethod* InputMethod::instance()
{
    return installed();
}

InputMethod::InputMethod() : QObject(QCoreApplication::instance())
{
    qApp->installEventFilter(this);
    KeyboardLayouts& layouts = KeyboardLayouts::instance();
    connect(&layouts, &KeyboardLayouts::activeLayoutChanged, this, &InputMethod::onLayoutChanged);
    connect(qApp, &QApplication::focusChanged, this, [this] { dropComposition(); });
    onLayoutChanged(layouts.activeLayoutId());
}

InputMethod::~InputMethod()
{
    installed() = nullptr;
    // While the application itself goes away its widgets are no longer safe to delete.
    if (m_popup && !QCoreApplication::closingDown())
        delete m_popup;
}

QByteArray InputMethod::composition() const
{
    return m_notifiedComposition ? *m_notifiedComposition : m_composer.composition();
}

void InputMethod::reloadFiles()
{
    dropComposition();
    m_composer.setTable(nullptr);
    m_table.reset();
    m_loadFailed = false;
    onLayoutChanged(KeyboardLayouts::instance().activeLayoutId());
}

void InputMethod::onLayoutChanged(const QByteArray& layoutId)
{
    dropComposition();
    m_imeLayoutActive = isImeLayoutId(layoutId);
    m_on = m_imeLayoutActive && ensureFilesLoaded();
}

bool InputMethod::ensureFilesLoaded()
{
    if (m_table)
        return true;
    if (m_loadFailed)
        return false;
    LoadedTable loaded = loadCodeTable(systemFolder());
    if (!loaded.table) {
        // Told once; until the files are reloaded the layout types as US English.
        m_loadFailed = true;
        reportProblem(QStringLiteral("%1暂时不能使用：%2\n在此期间键盘按美式英语输入。")
                          .arg(imeDisplayName(), loaded.problem->describe()));
        return false;
    }
    m_table = std::move(loaded.table);
    m_composer.setTable(&*m_table);
    return true;
}

bool InputMethod::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    // A character that a subclassed box's window procedure made was typed already: on Windows a
    // character message never passes through the input method.
    if (isDeliveredByWindowProcedure(event))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys the input method will take must not fire a shortcut first.
        using Kind = ComposerKey::Kind;
        const Kind kind = classify(keyEvent).kind;
        const bool wanted = (isLayoutSwitchKey(keyEvent) && otherLayout() != 0) ||
                            (m_on && takesImeText(widget) &&
                             (kind == Kind::Digit ||
                              (m_composer.isComposing() && kind != Kind::Other && kind != Kind::Modifier)));
        if (wanted)
            keyEvent->accept();
        return false;
    }
    if (isLayoutSwitchKey(keyEvent))
        return requestLayoutChange(widget);
    if (!m_on || !takesImeText(widget))
        return false;
    return handleKey(widget, keyEvent);
}

bool InputMethod::handleKey(QWidget* widget, QKeyEvent* event)
{
    if (m_widget != widget) {
        dropComposition();
        m_widget = widget;
    }
    const KeyOutcome outcome = m_composer.processKey(classify(event));
    if (outcome.result == KeyResult::Rejected)
        QApplication::beep();
    if (outcome.changed)
        showComposition();
    if (outcome.commit)
        deliver(widget, *outcome.commit);
    return outcome.result != KeyResult::Passed;
}

HKL InputMethod::otherLayout() const
{
    const QByteArray wanted = m_imeLayoutActive ? QByteArray(kUsEnglishLayoutId) : findImeLayoutId();
    return wanted.isEmpty() ? 0 : LoadKeyboardLayoutA(wanted.constData(), 0);
}

bool InputMethod::requestLayoutChange(QWidget* widget)
{
    const HKL layout = otherLayout();
    if (layout == 0)
        return false;
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        auto* target = dynamic_cast<ImeMessageTarget*>(w);
        if (target && !target->imeMessage(WM_INPUTLANGCHANGEREQUEST, INPUTLANGCHANGE_FORWARD, LPARAM(layout)))
            return true;
    }
    ActivateKeyboardLayout(layout, 0);
    return true;
}

void InputMethod::deliver(QWidget* widget, const Commit& commit)
{
    QPointer<QWidget> guard(widget);
    ImeMessageTarget* target = messageTarget(widget);
    m_notifiedComposition = commit.composition;
    if (target)
        target->imeMessage(WM_IME_NOTIFY, IMN_OPENCANDIDATE, 1);
    emit candidateListOpened(commit.composition);
    m_notifiedComposition.reset();
    if (!guard)
        return;
    if (target) {
        for (const WPARAM code : gbkCharacterCodes(commit.text)) {
            target->imeMessage(WM_IME_CHAR, code, 1);
            if (!guard)
                return;
        }
    } else {
        QInputMethodEvent event;
        event.setCommitString(gbk::decode(commit.text));
        QCoreApplication::sendEvent(widget, &event);
    }
    emit committed(gbk::decode(commit.text));
}

void InputMethod::dropComposition()
{
    if (m_composer.reset())
        showComposition();
}

void InputMethod::showComposition()
{
    emit compositionChanged(m_composer.composition());
    if (!m_composer.isComposing() || !m_widget) {
        if (m_popup)
            m_popup->hide();
        return;
    }
    if (!m_popup)
        m_popup = new CandidatePopup;
    QList<CandidatePopup::Row> rows;
    for (const CodeEntry& entry : m_composer.candidates())
        rows.append({gbk::decode(m_table->text(entry)), QString::fromLatin1(CodeTable::code(entry))});
    m_popup->showFor(m_widget, QString::fromLatin1(m_composer.composition()), rows, m_composer.highlight());
}

} // namespace platform::ime
