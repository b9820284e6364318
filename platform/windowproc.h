// Window subclassing: a chain of window procedures that sees a widget's key events as Windows messages.
#pragma once

#include "platform/wintypes.h"

#include <QString>
#include <optional>

class QEvent;
class QKeyEvent;

namespace platform {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
inline constexpr int GWL_WNDPROC = -4;

// The widget's current window procedure, as an opaque handle (never 0 for a live widget: a widget
// that was never subclassed answers the handle of its own default procedure, which hands the
// message to Qt).
LONG_PTR GetWindowLongA(HWND widget, int index);
// Installs a procedure (a WNDPROC cast to LONG_PTR, or a handle from GetWindowLongA) and returns the
// previous one. Installing the default procedure's handle undoes the subclassing.
LONG_PTR SetWindowLongA(HWND widget, int index, LONG_PTR newProcedure);
// Hands a message to a procedure from the chain; the default procedure delivers it to the widget.
LRESULT CallWindowProcA(LONG_PTR procedure, HWND widget, UINT msg, WPARAM wParam, LPARAM lParam);

// Key messages as the chain presents them, for tests and for the input method: lParam holds the
// repeat count (bits 0-15), scan code (16-23), extended (24), context (29), previous state (30) and
// transition (31) bits, as Windows builds it.
LPARAM makeKeyLParam(unsigned scanCode, bool extended, bool previouslyDown, bool keyUp,
                     unsigned repeatCount = 1);

struct KeyMessage
{
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool operator==(const KeyMessage&) const = default;
};

// The message a Qt key event becomes (WM_KEYDOWN/WM_KEYUP, WM_SYSKEYDOWN/WM_SYSKEYUP while Alt is
// held). Keypad keys are read through the emulated NumLock; nothing for keys without a virtual key,
// nor for the release that comes before each auto-repeated press (Windows repeats key-downs only).
std::optional<KeyMessage> keyMessageFor(const QKeyEvent& event);

// The handle of the last link of every chain, which hands messages to the widget itself. It is
// what GetWindowLongA answers for a widget that was never subclassed, and the same for all widgets.
LONG_PTR defaultWindowProcedure();

// True for a key event that the chain itself sends to a widget: a WM_CHAR turned into typed text,
// or a key message a procedure rewrote. Input handlers that sit in front of the chain (the input
// method) let these through untouched, as a character message never passes through an input method.
bool isDeliveredByWindowProcedure(const QEvent* event);

} // namespace platform
