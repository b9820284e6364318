// Qt key events as the windows' key handlers take them: a virtual-key code and a Shift state; and
// the keypad procedure that the answer boxes are subclassed with.
#pragma once

#include "platform/wintypes.h"

#include <QtCore/qnamespace.h>
#include <optional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace exercises {

// The key's virtual-key code as the emulated keyboard reads it (keypad keys through the emulated
// NumLock); 0 for a key that has none.
int virtualKeyOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4, added up.
int shiftState(Qt::KeyboardModifiers modifiers);

// A key event as a KeyDown or KeyUp handler takes it.
struct HandlerKey
{
    bool down = false;
    int keyCode = 0;
    int shift = 0;
};
// Empty for an event that is no key press or release, and for the releases of a held key, which
// repeats its key-down only.
std::optional<HandlerKey> handlerKey(const QEvent& event);

// Puts the keypad procedure in front of the box's window procedure and makes the one before it the
// procedure it hands keys on to; returns that one, for the box to get back when the window goes.
platform::LONG_PTR installKeypadProcedure(QWidget* box);
void restoreWindowProcedure(QWidget* box, platform::LONG_PTR procedure);

} // namespace exercises
