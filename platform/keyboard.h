// Keyboard layouts of the process and the emulated key-state table (NumLock).
#pragma once

#include "platform/wintypes.h"

#include <QByteArray>
#include <QObject>

namespace platform {

using HKL = std::uintptr_t;

inline constexpr const char* kUsEnglishLayoutId = "00000409";

// A layout id exists when it is US English or is registered under HKEY_LOCAL_MACHINE
// "System\CurrentControlSet\Control\Keyboard Layouts\<id>". Loading gives its non-zero handle (the
// same handle each time), or 0 for an id that does not exist. Flags are accepted and ignored.
HKL LoadKeyboardLayoutA(const char* layoutId, UINT flags);
// Makes a loaded layout the active one and returns the previous handle; 0 is accepted and ignored
// (returns 0, nothing changes).
HKL ActivateKeyboardLayout(HKL layout, UINT flags);

// Replaces the whole emulated key-state table (256 bytes: bit 7 held, bit 0 toggled).
bool SetKeyboardState(const BYTE keyState[256]);
bool GetKeyboardState(BYTE keyState[256]);
// Bit 15 held, bit 0 toggled, as GetKeyState reports it.
short GetKeyState(int virtualKey);
bool isNumLockOn();

// What the input method and the key-state panels observe.
class KeyboardLayouts : public QObject
{
    Q_OBJECT
public:
    static KeyboardLayouts& instance();

    HKL activeLayout() const;
    QByteArray activeLayoutId() const; // "00000409" until something else is activated
    QByteArray layoutId(HKL layout) const;

    // Back to the start state: US English active, nothing else loaded, every key up and untoggled.
    void reset();

signals:
    void activeLayoutChanged(const QByteArray& layoutId);
    void keyStateChanged();

private:
    friend HKL LoadKeyboardLayoutA(const char*, UINT);
    friend HKL ActivateKeyboardLayout(HKL, UINT);
    friend bool SetKeyboardState(const BYTE[256]);
    friend bool GetKeyboardState(BYTE[256]);
    KeyboardLayouts();
    struct State;
    State* d;
};

} // namespace platform
