#include "platform/virtualkeys.h"

#include "platform/keyboard.h"

#include <QKeyEvent>
#include <array>

namespace platform {
namespace {

struct KeypadKey
{
    Qt::Key digit;
    Qt::Key navigation;
    UINT digitVirtualKey;
    UINT navigationVirtualKey;
    unsigned scanCode;
};

constexpr std::array<KeypadKey, 11> kKeypad = {{
    {Qt::Key_0, Qt::Key_Insert, VK_NUMPAD0 + 0, VK_INSERT, 0x52},
    {Qt::Key_1, Qt::Key_End, VK_NUMPAD0 + 1, VK_END, 0x4F},
    {Qt::Key_2, Qt::Key_Down, VK_NUMPAD0 + 2, VK_DOWN, 0x50},
    {Qt::Key_3, Qt::Key_PageDown, VK_NUMPAD0 + 3, VK_NEXT, 0x51},
    {Qt::Key_4, Qt::Key_Left, VK_NUMPAD0 + 4, VK_LEFT, 0x4B},
    {Qt::Key_5, Qt::Key_Clear, VK_NUMPAD0 + 5, VK_CLEAR, 0x4C},
    {Qt::Key_6, Qt::Key_Right, VK_NUMPAD0 + 6, VK_RIGHT, 0x4D},
    {Qt::Key_7, Qt::Key_Home, VK_NUMPAD0 + 7, VK_HOME, 0x47},
    {Qt::Key_8, Qt::Key_Up, VK_NUMPAD0 + 8, VK_UP, 0x48},
    {Qt::Key_9, Qt::Key_PageUp, VK_NUMPAD0 + 9, VK_PRIOR, 0x49},
    {Qt::Key_Period, Qt::Key_Delete, VK_DECIMAL, VK_DELETE, 0x53},
}};

// Keypad keys that do not change with NumLock.
struct KeyCode
{
    int qtKey;
    UINT virtualKey;
    unsigned scanCode;
    bool extended;
};

constexpr KeyCode kKeypadFixed[] = {
    {Qt::Key_Asterisk, VK_MULTIPLY, 0x37, false}, {Qt::Key_Plus, VK_ADD, 0x4E, false},
    {Qt::Key_Minus, VK_SUBTRACT, 0x4A, false},    {Qt::Key_Slash, VK_DIVIDE, 0x35, true},
    {Qt::Key_Enter, VK_RETURN, 0x1C, true},       {Qt::Key_Return, VK_RETURN, 0x1C, true},
};

// The rest of a US keyboard: the first entry for a virtual key is its unshifted Qt key.
constexpr KeyCode kMainKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE, 0x01, false},
    {Qt::Key_Backspace, VK_BACK, 0x0E, false},
    {Qt::Key_Tab, VK_TAB, 0x0F, false},
    {Qt::Key_Backtab, VK_TAB, 0x0F, false},
    {Qt::Key_Return, VK_RETURN, 0x1C, false},
    {Qt::Key_Enter, VK_RETURN, 0x1C, false},
    {Qt::Key_Control, VK_CONTROL, 0x1D, false},
    {Qt::Key_Shift, VK_SHIFT, 0x2A, false},
    {Qt::Key_Alt, VK_MENU, 0x38, false},
    {Qt::Key_Space, VK_SPACE, 0x39, false},
    {Qt::Key_CapsLock, VK_CAPITAL, 0x3A, false},
    {Qt::Key_NumLock, VK_NUMLOCK, 0x45, false},
    {Qt::Key_ScrollLock, VK_SCROLL, 0x46, false},
    {Qt::Key_Pause, 0x13, 0x45, false},
    {Qt::Key_Print, 0x2C, 0x37, true},
    {Qt::Key_Meta, 0x5B, 0x5B, true},
    {Qt::Key_Menu, 0x5D, 0x5D, true},
    {Qt::Key_Clear, VK_CLEAR, 0x4C, false},
    {Qt::Key_Home, VK_HOME, 0x47, true},
    {Qt::Key_Up, VK_UP, 0x48, true},
    {Qt::Key_PageUp, VK_PRIOR, 0x49, true},
    {Qt::Key_Left, VK_LEFT, 0x4B, true},
    {Qt::Key_Right, VK_RIGHT, 0x4D, true},
    {Qt::Key_End, VK_END, 0x4F, true},
    {Qt::Key_Down, VK_DOWN, 0x50, true},
    {Qt::Key_PageDown, VK_NEXT, 0x51, true},
    {Qt::Key_Insert, VK_INSERT, 0x52, true},
    {Qt::Key_Delete, VK_DELETE, 0x53, true},
    {Qt::Key_Semicolon, 0xBA, 0x27, false},
    {Qt::Key_Colon, 0xBA, 0x27, false},
    {Qt::Key_Equal, 0xBB, 0x0D, false},
    {Qt::Key_Plus, 0xBB, 0x0D, false},
    {Qt::Key_Comma, 0xBC, 0x33, false},
    {Qt::Key_Less, 0xBC, 0x33, false},
    {Qt::Key_Minus, 0xBD, 0x0C, false},
    {Qt::Key_Underscore, 0xBD, 0x0C, false},
    {Qt::Key_Period, 0xBE, 0x34, false},
    {Qt::Key_Greater, 0xBE, 0x34, false},
    {Qt::Key_Slash, 0xBF, 0x35, false},
    {Qt::Key_Question, 0xBF, 0x35, false},
    {Qt::Key_QuoteLeft, 0xC0, 0x29, false},
    {Qt::Key_AsciiTilde, 0xC0, 0x29, false},
    {Qt::Key_BracketLeft, 0xDB, 0x1A, false},
    {Qt::Key_BraceLeft, 0xDB, 0x1A, false},
    {Qt::Key_Backslash, 0xDC, 0x2B, false},
    {Qt::Key_Bar, 0xDC, 0x2B, false},
    {Qt::Key_BracketRight, 0xDD, 0x1B, false},
    {Qt::Key_BraceRight, 0xDD, 0x1B, false},
    {Qt::Key_Apostrophe, 0xDE, 0x28, false},
    {Qt::Key_QuoteDbl, 0xDE, 0x28, false},
    // Shifted digits of the main keyboard.
    {Qt::Key_Exclam, '1', 0x02, false},
    {Qt::Key_At, '2', 0x03, false},
    {Qt::Key_NumberSign, '3', 0x04, false},
    {Qt::Key_Dollar, '4', 0x05, false},
    {Qt::Key_Percent, '5', 0x06, false},
    {Qt::Key_AsciiCircum, '6', 0x07, false},
    {Qt::Key_Ampersand, '7', 0x08, false},
    {Qt::Key_Asterisk, '8', 0x09, false},
    {Qt::Key_ParenLeft, '9', 0x0A, false},
    {Qt::Key_ParenRight, '0', 0x0B, false},
};

constexpr const char* kLetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr unsigned kLetterRowStart[] = {0x10, 0x1E, 0x2C};

unsigned letterScanCode(char letter)
{
    for (int row = 0; row < 3; ++row)
        for (unsigned i = 0; kLetterRows[row][i]; ++i)
            if (kLetterRows[row][i] == letter)
                return kLetterRowStart[row] + i;
    return 0;
}

std::optional<KeyCode> mainKeyCode(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return KeyCode{qtKey, static_cast<UINT>(qtKey), letterScanCode(static_cast<char>(qtKey)), false};
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9)
        return KeyCode{qtKey, static_cast<UINT>(qtKey), static_cast<unsigned>(qtKey - Qt::Key_1 + 0x02),
                       false};
    if (qtKey == Qt::Key_0)
        return KeyCode{qtKey, '0', 0x0B, false};
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        const int n = qtKey - Qt::Key_F1;
        return KeyCode{qtKey, static_cast<UINT>(VK_F1 + n),
                       static_cast<unsigned>(n < 10 ? 0x3B + n : 0x57 + n - 10), false};
    }
    for (const KeyCode& key : kMainKeys)
        if (key.qtKey == qtKey)
            return key;
    return std::nullopt;
}

// Linux evdev codes equal the PC set-1 scan codes up to F12; the separate navigation block and the
// other E0-prefixed keys have codes of their own there.
struct EvdevExtended
{
    unsigned evdev;
    unsigned scanCode;
};
constexpr EvdevExtended kEvdevExtended[] = {
    {96, 0x1C},  {97, 0x1D},  {98, 0x35},  {99, 0x37},  {100, 0x38}, {102, 0x47},
    {103, 0x48}, {104, 0x49}, {105, 0x4B}, {106, 0x4D}, {107, 0x4F}, {108, 0x50},
    {109, 0x51}, {110, 0x52}, {111, 0x53}, {125, 0x5B}, {126, 0x5C}, {127, 0x5D},
};

void applyNativeScanCode(EmulatedKey& key, quint32 nativeScanCode)
{
    if (nativeScanCode <= 8)
        return; // synthesized: keep the code derived from the key
    const unsigned evdev = nativeScanCode - 8;
    for (const EvdevExtended& entry : kEvdevExtended) {
        if (entry.evdev == evdev) {
            key.scanCode = entry.scanCode;
            key.extended = true;
            return;
        }
    }
    key.scanCode = evdev & 0xFF;
    key.extended = false;
}

} // namespace

std::optional<EmulatedKey> readQtKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text,
                                     quint32 nativeScanCode)
{
    EmulatedKey key;
    key.modifiers = modifiers;
    key.text = text;
    if (modifiers & Qt::KeypadModifier) {
        for (const KeypadKey& pad : kKeypad) {
            if (qtKey != pad.digit && qtKey != pad.navigation)
                continue;
            if (isNumLockOn()) {
                key.qtKey = pad.digit;
                key.virtualKey = pad.digitVirtualKey;
                if (key.text.isEmpty() && !(modifiers & (Qt::ControlModifier | Qt::AltModifier)))
                    key.text = pad.digit == Qt::Key_Period ? QStringLiteral(".") : QString(QChar(pad.digit));
            } else {
                key.qtKey = pad.navigation;
                key.virtualKey = pad.navigationVirtualKey;
                key.text.clear();
            }
            key.scanCode = pad.scanCode;
            applyNativeScanCode(key, nativeScanCode);
            return key;
        }
        for (const KeyCode& fixed : kKeypadFixed) {
            if (fixed.qtKey == qtKey) {
                key.qtKey = qtKey;
                key.virtualKey = fixed.virtualKey;
                key.scanCode = fixed.scanCode;
                key.extended = fixed.extended;
                applyNativeScanCode(key, nativeScanCode);
                return key;
            }
        }
    }
    const auto code = mainKeyCode(qtKey);
    if (!code)
        return std::nullopt;
    key.qtKey = qtKey;
    key.virtualKey = code->virtualKey;
    key.scanCode = code->scanCode;
    key.extended = code->extended;
    applyNativeScanCode(key, nativeScanCode);
    return key;
}

std::optional<EmulatedKey> readQtKey(const QKeyEvent& event)
{
    return readQtKey(event.key(), event.modifiers(), event.text(), event.nativeScanCode());
}

std::optional<EmulatedKey> keyForVirtualKey(UINT virtualKey, bool extended)
{
    EmulatedKey key;
    key.virtualKey = virtualKey;
    for (const KeypadKey& pad : kKeypad) {
        if (pad.digitVirtualKey == virtualKey) {
            key.qtKey = pad.digit;
            key.modifiers = Qt::KeypadModifier;
            key.text = pad.digit == Qt::Key_Period ? QStringLiteral(".") : QString(QChar(pad.digit));
            key.scanCode = pad.scanCode;
            return key;
        }
        if (pad.navigationVirtualKey == virtualKey && !extended) {
            key.qtKey = pad.navigation;
            key.modifiers = Qt::KeypadModifier;
            key.scanCode = pad.scanCode;
            return key;
        }
    }
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z')) {
        key.qtKey = static_cast<int>(virtualKey);
        key.text = QString(QChar(virtualKey)).toLower();
    } else if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12) {
        key.qtKey = Qt::Key_F1 + static_cast<int>(virtualKey - VK_F1);
    } else {
        for (const KeyCode& code : kMainKeys) {
            if (code.virtualKey == virtualKey) {
                key.qtKey = code.qtKey;
                break;
            }
        }
        if (key.qtKey == 0)
            return std::nullopt;
        if (key.qtKey == Qt::Key_Space)
            key.text = QStringLiteral(" ");
    }
    if (const auto code = mainKeyCode(key.qtKey)) {
        key.scanCode = code->scanCode;
        key.extended = code->extended;
    }
    return key;
}

} // namespace platform
