#include "platform/keyboard.h"

#include "platform/imelookup.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <array>
#include <cstring>
#include <set>

namespace platform {
namespace {

// A layout id is eight hex digits; its handle is that number, as Windows gives an input method's
// layout the handle of its id.
std::optional<HKL> handleForId(QByteArrayView id)
{
    if (id.size() != 8)
        return std::nullopt;
    bool ok = false;
    const HKL handle = id.toByteArray().toUInt(&ok, 16);
    if (!ok || handle == 0)
        return std::nullopt;
    return handle;
}

QByteArray idForHandle(HKL handle)
{
    return QByteArray::number(static_cast<qulonglong>(handle), 16).rightJustified(8, '0').toUpper();
}

bool layoutIsRegistered(const QByteArray& id)
{
    HKEY key = 0;
    const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, QByteArray(kKeyboardLayoutsKey + id).constData(), 0,
                                      KEY_QUERY_VALUE, &key);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// The toggle keys follow the physical key presses, as Windows keeps a thread's key state.
class ToggleKeyTracker : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // A press reaches its top-level window once, before any widget sees it.
            if (!key->isAutoRepeat() && watched->isWindowType())
                toggle(key->key());
        }
        return false;
    }

private:
    static void toggle(int qtKey)
    {
        int virtualKey = 0;
        switch (qtKey) {
        case Qt::Key_NumLock:
            virtualKey = VK_NUMLOCK;
            break;
        case Qt::Key_CapsLock:
            virtualKey = VK_CAPITAL;
            break;
        case Qt::Key_ScrollLock:
            virtualKey = VK_SCROLL;
            break;
        default:
            return;
        }
        BYTE table[256];
        GetKeyboardState(table);
        table[virtualKey] ^= 0x01;
        SetKeyboardState(table);
    }
};

} // namespace

struct KeyboardLayouts::State
{
    std::set<HKL> loaded;
    HKL active = 0x00000409;
    std::array<BYTE, 256> keyState{};
    QObject* tracker = nullptr;
};

KeyboardLayouts::KeyboardLayouts() : d(new State) {}

KeyboardLayouts& KeyboardLayouts::instance()
{
    static KeyboardLayouts layouts;
    if (!layouts.d->tracker && QCoreApplication::instance()) {
        layouts.d->tracker = new ToggleKeyTracker(&layouts);
        QCoreApplication::instance()->installEventFilter(layouts.d->tracker);
    }
    return layouts;
}

HKL KeyboardLayouts::activeLayout() const
{
    return d->active;
}

QByteArray KeyboardLayouts::activeLayoutId() const
{
    return idForHandle(d->active);
}

QByteArray KeyboardLayouts::layoutId(HKL layout) const
{
    return layout ? idForHandle(layout) : QByteArray();
}

void KeyboardLayouts::reset()
{
    const bool layoutChanged = d->active != 0x00000409;
    const bool keysChanged = d->keyState != std::array<BYTE, 256>{};
    d->loaded.clear();
    d->active = 0x00000409;
    d->keyState.fill(0);
    if (layoutChanged)
        emit activeLayoutChanged(activeLayoutId());
    if (keysChanged)
        emit keyStateChanged();
}

HKL LoadKeyboardLayoutA(const char* layoutId, UINT /*flags*/)
{
    if (!layoutId)
        return 0;
    const QByteArray id = QByteArray(layoutId).toUpper();
    const auto handle = handleForId(id);
    if (!handle)
        return 0;
    if (id != kUsEnglishLayoutId && !layoutIsRegistered(id))
        return 0;
    KeyboardLayouts::instance().d->loaded.insert(*handle);
    return *handle;
}

HKL ActivateKeyboardLayout(HKL layout, UINT /*flags*/)
{
    KeyboardLayouts& layouts = KeyboardLayouts::instance();
    // 0 stands for "the previous layout in the list" in the original calls; with no layout loaded
    // there is nothing to switch to, so it changes nothing.
    if (layout == 0 || !layouts.d->loaded.contains(layout))
        return 0;
    const HKL previous = layouts.d->active;
    layouts.d->active = layout;
    if (previous != layout)
        emit layouts.activeLayoutChanged(layouts.activeLayoutId());
    return previous;
}

bool SetKeyboardState(const BYTE keyState[256])
{
    if (!keyState)
        return false;
    KeyboardLayouts& layouts = KeyboardLayouts::instance();
    if (std::memcmp(layouts.d->keyState.data(), keyState, 256) == 0)
        return true;
    std::memcpy(layouts.d->keyState.data(), keyState, 256);
    emit layouts.keyStateChanged();
    return true;
}

bool GetKeyboardState(BYTE keyState[256])
{
    if (!keyState)
        return false;
    std::memcpy(keyState, KeyboardLayouts::instance().d->keyState.data(), 256);
    return true;
}

short GetKeyState(int virtualKey)
{
    if (virtualKey < 0 || virtualKey > 255)
        return 0;
    BYTE table[256];
    GetKeyboardState(table);
    const BYTE byte = table[virtualKey];
    return static_cast<short>(((byte & 0x80) ? 0xFF80 : 0) | (byte & 0x01));
}

bool isNumLockOn()
{
    return (GetKeyState(VK_NUMLOCK) & 0x01) != 0;
}

} // namespace platform
