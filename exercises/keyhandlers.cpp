#include "exercises/keyhandlers.h"

#include "platform/virtualkeys.h"

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

} // namespace exercises
