// Key events as the windows' key handlers take them: a virtual-key code and a shift mask.
#pragma once

#include <QtCore/qnamespace.h>

class QKeyEvent;

namespace exercises {

// The virtual-key code of the key as the emulated keyboard reads it; 0 for a key that has none.
int vbKeyCode(const QKeyEvent& event);
// Shift 1, Ctrl 2, Alt 4.
int vbShiftMask(Qt::KeyboardModifiers modifiers);

} // namespace exercises
