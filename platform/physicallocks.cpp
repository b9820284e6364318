#include "platform/physicallocks.h"

#include <QGuiApplication>

#if defined(TALVOREN_HAVE_XKB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
// Last: Xlib defines macros (None, Bool, KeyPress) that Qt's headers must not see.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#endif

namespace platform {

std::optional<bool> physicalNumLock()
{
#if defined(TALVOREN_HAVE_XKB) && QT_CONFIG(xcb)
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // NumLock is on while the modifier its key sets is locked: what decides how X reads the keypad.
    const unsigned numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    XkbStateRec state;
    if (numLock == 0 || XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & numLock) != 0;
#else
    return std::nullopt;
#endif
}

} // namespace platform
