// How the emulated Windows keyboard reads a Qt key: virtual-key code, scan code and extended flag.
#pragma once

#include "platform/wintypes.h"

#include <QString>
#include <QtCore/qnamespace.h>
#include <optional>

class QKeyEvent;

namespace platform {

// A key as the emulated keyboard reads it. Keypad keys follow the emulated NumLock: while it is on
// they are digits, while it is off they are the navigation keys printed below the digits, whatever
// the physical lock said when Qt built the event.
struct EmulatedKey
{
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    UINT virtualKey = 0;
    unsigned scanCode = 0;
    bool extended = false;
};

// Nothing for keys that have no virtual-key code here.
std::optional<EmulatedKey> readQtKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                                     quint32 nativeScanCode);
std::optional<EmulatedKey> readQtKey(const QKeyEvent& event);

// The other way, for a key message a window procedure made up: the Qt key, the keypad flag when it
// is a keypad key, and the text that a key-down of it types (empty for non-character keys).
std::optional<EmulatedKey> keyForVirtualKey(UINT virtualKey, bool extended);

} // namespace platform
