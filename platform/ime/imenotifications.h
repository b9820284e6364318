// What the input method tells the focused window, in the Input Method Manager's terms.
#pragma once

#include "platform/wintypes.h"

#include <cstdint>

namespace platform {

using HIMC = std::uintptr_t;

inline constexpr DWORD GCS_COMPSTR = 0x0008;
inline constexpr WPARAM INPUTLANGCHANGE_FORWARD = 0x0002;

// A widget that wants the input method's messages implements this. The input method finds it on
// the focus widget or, when the focus widget does not take input-method text itself, on the
// nearest ancestor that implements it. It then receives:
// - WM_IME_CHAR once per committed character, wParam = the character's GBK code (lead byte in the
//   high byte for a double-byte character), lParam = 1; the character is not also inserted as text;
// - WM_IME_NOTIFY with wParam IMN_OPENCANDIDATE once just before each commit; while it runs,
//   ImmGetCompositionStringA(ImmGetContext(widget), GCS_COMPSTR, ...) gives the digits typed;
// - WM_INPUTLANGCHANGEREQUEST when the user asks for the other keyboard layout (Ctrl+Space),
//   lParam = the handle of the layout asked for; every implementing widget from the focus widget
//   outwards is asked in turn.
class ImeMessageTarget
{
public:
    virtual ~ImeMessageTarget() = default;
    // Returns true to let the message go on to the default handling, false to swallow it. Only a
    // layout-change request looks at the answer: swallowing it refuses the change.
    virtual bool imeMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// The input context of a window: non-zero while the input method is installed.
HIMC ImmGetContext(HWND window);
bool ImmReleaseContext(HWND window, HIMC context);
// GCS_COMPSTR only: copies the composition's GBK bytes (no terminating NUL) into buffer, at most
// bufferSize of them, and returns the number copied; with bufferSize 0 or no buffer returns the
// size needed.
LONG ImmGetCompositionStringA(HIMC context, DWORD index, void* buffer, DWORD bufferSize);

} // namespace platform
