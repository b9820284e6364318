// Qt key events as the windows' key handlers take them: a virtual-key code and a Shift state.
#pragma once

#include <QtCore/qnamespace.h>

class QKeyEvent;
class QWidget;

namespace exercises {

// The key's virtual-key code as the emulated keyboard reads it (keypad keys through the emulated
// NumLock); 0 for a key that has none.
int virtualKeyOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4, added up.
int shiftState(Qt::KeyboardModifiers modifiers);

// A keypad key reads as the emulated NumLock says, whatever the physical lock put into the event.
// When the two differ, sends the widget the key as read and answers true: the caller drops the
// event it has. The event sent comes back to the caller's filter, and is answered false.
bool resendAsRead(QWidget* widget, const QKeyEvent& event);

} // namespace exercises
