#include "platform/windowproc.h"

#include "platform/gbk.h"
#include "platform/virtualkeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace platform {
namespace {

constexpr LPARAM kExtendedBit = 1u << 24;
constexpr LPARAM kContextBit = 1u << 29;

const QEvent* g_deliveredEvent = nullptr;

struct Presented
{
    EmulatedKey key;
    KeyMessage message;
};

std::optional<Presented> present(const QKeyEvent& event)
{
    const bool release = event.type() == QEvent::KeyRelease;
    // A held key repeats its key-down only; the release that X11 puts before each repeat is no
    // key-up to a Windows program.
    if (release && event.isAutoRepeat())
        return std::nullopt;
    const auto key = readQtKey(event);
    if (!key)
        return std::nullopt;
    const bool alt = (event.modifiers() & Qt::AltModifier) || event.key() == Qt::Key_Alt;
    Presented presented{*key, {}};
    presented.message.msg = alt ? (release ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (release ? WM_KEYUP : WM_KEYDOWN);
    presented.message.wParam = key->virtualKey;
    const unsigned repeat = release ? 1u : static_cast<unsigned>(qBound(1, event.count(), 0xFFFF));
    presented.message.lParam =
        makeKeyLParam(key->scanCode, key->extended, release || event.isAutoRepeat(), release, repeat);
    if (alt)
        presented.message.lParam |= kContextBit;
    return presented;
}

bool sameAsEvent(const EmulatedKey& key, const QKeyEvent& event)
{
    return key.qtKey == event.key() && key.text == event.text();
}

class WindowProcChain;
QHash<const QWidget*, WindowProcChain*>& chains()
{
    static QHash<const QWidget*, WindowProcChain*> all;
    return all;
}

void sendToWidget(QWidget* widget, QKeyEvent& event)
{
    const QEvent* outer = g_deliveredEvent;
    g_deliveredEvent = &event;
    QCoreApplication::sendEvent(widget, &event);
    g_deliveredEvent = outer;
}

// WM_CHAR carries a code-page character: one byte, or a GBK pair as lead byte << 8 | trail byte.
void deliverCharacter(QWidget* widget, WPARAM code)
{
    int qtKey = Qt::Key_unknown;
    QString text;
    switch (code) {
    case 0x08:
        qtKey = Qt::Key_Backspace;
        break;
    case 0x09:
        qtKey = Qt::Key_Tab;
        text = QStringLiteral("\t");
        break;
    case 0x0D:
        qtKey = Qt::Key_Return;
        text = QStringLiteral("\r");
        break;
    case 0x1B:
        qtKey = Qt::Key_Escape;
        break;
    default:
        if (code < 0x20)
            return;
        if (code < 0x80) {
            text = QString(QChar(code));
            qtKey = QChar(code).toUpper().unicode();
        } else {
            QByteArray bytes;
            if (code > 0xFF)
                bytes += static_cast<char>((code >> 8) & 0xFF);
            bytes += static_cast<char>(code & 0xFF);
            text = gbk::decode(bytes);
            if (text.isEmpty() || text.contains(QChar::ReplacementCharacter))
                return;
        }
    }
    QKeyEvent typed(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    sendToWidget(widget, typed);
}

void deliverKeyMessage(QWidget* widget, const KeyMessage& message)
{
    const bool release = message.msg == WM_KEYUP || message.msg == WM_SYSKEYUP;
    const auto key = keyForVirtualKey(message.wParam, (message.lParam & kExtendedBit) != 0);
    if (!key)
        return;
    Qt::KeyboardModifiers modifiers = key->modifiers;
    if (message.msg == WM_SYSKEYDOWN || message.msg == WM_SYSKEYUP)
        modifiers |= Qt::AltModifier;
    QKeyEvent event(release ? QEvent::KeyRelease : QEvent::KeyPress, key->qtKey, modifiers,
                    release ? QString() : key->text, (message.lParam & (1u << 30)) != 0 && !release);
    sendToWidget(widget, event);
}

// A message that reached the end of the chain, handed to the widget as Qt understands it.
void deliver(QWidget* widget, const KeyMessage& message)
{
    switch (message.msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        deliverKeyMessage(widget, message);
        break;
    case WM_CHAR:
    case WM_IME_CHAR:
        deliverCharacter(widget, message.wParam);
        break;
    default:
        break;
    }
}

// Sits on a subclassed widget and runs each of its key events through the installed procedure.
class WindowProcChain : public QObject
{
public:
    explicit WindowProcChain(QWidget* widget) : QObject(widget), m_widget(widget)
    {
        chains().insert(widget, this);
        widget->installEventFilter(this);
    }
    ~WindowProcChain() override { chains().remove(m_widget); }

    LONG_PTR procedure = 0;

    // True when the message was taken as part of a key event being run through the chain.
    bool collect(const KeyMessage& message)
    {
        if (m_arrivals.empty())
            return false;
        m_arrivals.back()->push_back(message);
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_widget || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        if (event == g_deliveredEvent || procedure == defaultWindowProcedure())
            return false;
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const auto presented = present(*keyEvent);
        if (!presented)
            return false;

        QPointer<WindowProcChain> alive(this);
        QWidget* widget = m_widget;
        std::vector<KeyMessage> arrived;
        m_arrivals.push_back(&arrived);
        const KeyMessage& m = presented->message;
        CallWindowProcA(procedure, widget, m.msg, m.wParam, m.lParam);
        if (!alive)
            return true; // the procedure closed the widget
        m_arrivals.pop_back();

        if (arrived.size() == 1 && arrived.front() == m && sameAsEvent(presented->key, *keyEvent))
            return false; // unchanged: Qt handles the event it made
        for (const KeyMessage& message : arrived) {
            if (message == m) {
                const EmulatedKey& key = presented->key;
                QKeyEvent read(keyEvent->type(), key.qtKey, key.modifiers, keyEvent->nativeScanCode(),
                               keyEvent->nativeVirtualKey(), keyEvent->nativeModifiers(), key.text,
                               keyEvent->isAutoRepeat(), static_cast<quint16>(keyEvent->count()));
                sendToWidget(widget, read);
            } else {
                deliver(widget, message);
            }
        }
        return true;
    }

private:
    QWidget* m_widget;
    std::vector<std::vector<KeyMessage>*> m_arrivals;
};

WindowProcChain* chainOf(const QWidget* widget)
{
    return chains().value(widget, nullptr);
}

LRESULT defaultProcedure(HWND widget, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!widget)
        return 0;
    const KeyMessage message{msg, wParam, lParam};
    if (WindowProcChain* chain = chainOf(widget); chain && chain->collect(message))
        return 0;
    deliver(widget, message);
    return 0;
}

} // namespace

LPARAM makeKeyLParam(unsigned scanCode, bool extended, bool previouslyDown, bool keyUp, unsigned repeatCount)
{
    LPARAM lParam = (repeatCount & 0xFFFFu) | ((scanCode & 0xFFu) << 16);
    if (extended)
        lParam |= kExtendedBit;
    if (previouslyDown)
        lParam |= 1u << 30;
    if (keyUp)
        lParam |= 1u << 31;
    return lParam;
}

std::optional<KeyMessage> keyMessageFor(const QKeyEvent& event)
{
    const auto presented = present(event);
    if (!presented)
        return std::nullopt;
    return presented->message;
}

LONG_PTR defaultWindowProcedure()
{
    return reinterpret_cast<LONG_PTR>(&defaultProcedure);
}

bool isDeliveredByWindowProcedure(const QEvent* event)
{
    return event && event == g_deliveredEvent;
}

LONG_PTR GetWindowLongA(HWND widget, int index)
{
    if (!widget || index != GWL_WNDPROC)
        return 0;
    const WindowProcChain* chain = chainOf(widget);
    return chain ? chain->procedure : defaultWindowProcedure();
}

LONG_PTR SetWindowLongA(HWND widget, int index, LONG_PTR newProcedure)
{
    if (!widget || index != GWL_WNDPROC || newProcedure == 0)
        return 0;
    WindowProcChain* chain = chainOf(widget);
    const LONG_PTR previous = chain ? chain->procedure : defaultWindowProcedure();
    if (!chain) {
        if (newProcedure == defaultWindowProcedure())
            return previous;
        chain = new WindowProcChain(widget);
    }
    chain->procedure = newProcedure;
    return previous;
}

LRESULT CallWindowProcA(LONG_PTR procedure, HWND widget, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (procedure == 0)
        return 0;
    return reinterpret_cast<WNDPROC>(procedure)(widget, msg, wParam, lParam);
}

} // namespace platform
