#include "exercises/keyhandlers.h"

#include "platform/virtualkeys.h"
#include "platform/windowproc.h"
#include "shell/module1.h"

#include <QKeyEvent>

namespace exercises {

int virtualKeyOf(const QKeyEvent& event)
{
    const auto key = platform::readQtKey(event);
    return key ? static_cast<int>(key->virtualKey) : 0;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

std::optional<HandlerKey> handlerKey(const QEvent& event)
{
    const bool down = event.type() == QEvent::KeyPress;
    if (!down && event.type() != QEvent::KeyRelease)
        return std::nullopt;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (!down && key.isAutoRepeat())
        return std::nullopt;
    return HandlerKey{down, virtualKeyOf(key), shiftState(key.modifiers())};
}

platform::LONG_PTR installKeypadProcedure(QWidget* box)
{
    Module1::gOldWndProc = platform::GetWindowLongA(box, platform::GWL_WNDPROC);
    platform::SetWindowLongA(box, platform::GWL_WNDPROC,
                             reinterpret_cast<platform::LONG_PTR>(&Module1::KeypadWndProc));
    return Module1::gOldWndProc;
}

void restoreWindowProcedure(QWidget* box, platform::LONG_PTR procedure)
{
    platform::SetWindowLongA(box, platform::GWL_WNDPROC, procedure);
}

} // namespace exercises
