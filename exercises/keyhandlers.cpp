#include "exercises/keyhandlers.h"

#include "platform/virtualkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace exercises {

int virtualKeyOf(const QKeyEvent& event)
{
    const auto key = platform::readQtKey(event);
    return key ? static_cast<int>(key->virtualKey) : 0;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

bool resendAsRead(QWidget* widget, const QKeyEvent& event)
{
    static const QKeyEvent* resent = nullptr;
    if (&event == resent)
        return false;
    const auto read = platform::readQtKey(event);
    if (!read || (read->qtKey == event.key() && read->text == event.text()))
        return false;
    QKeyEvent asRead(event.type(), read->qtKey, read->modifiers, event.nativeScanCode(),
                     event.nativeVirtualKey(), event.nativeModifiers(), read->text, event.isAutoRepeat(),
                     static_cast<quint16>(event.count()));
    const QKeyEvent* outer = resent;
    resent = &asRead;
    QCoreApplication::sendEvent(widget, &asRead);
    resent = outer;
    return true;
}

} // namespace exercises
