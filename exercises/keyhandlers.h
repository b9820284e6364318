// Qt key events as the windows' key handlers take them: a virtual-key code and a Shift state.
#pragma once

#include <QtCore/qnamespace.h>

class QKeyEvent;

namespace exercises {

// The key's virtual-key code as the emulated keyboard reads it (keypad keys through the emulated
// NumLock); 0 for a key that has none.
int virtualKeyOf(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4, added up.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace exercises
