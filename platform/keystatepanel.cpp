#include "platform/keystatepanel.h"

#include "platform/keyboard.h"

namespace platform {

KeyStatePanel::KeyStatePanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    // Room for the text whether it shows or not, so the status bar does not shift.
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
    connect(&KeyboardLayouts::instance(), &KeyboardLayouts::keyStateChanged, this, &KeyStatePanel::refresh);
    refresh();
}

void KeyStatePanel::refresh()
{
    setText(isNumLockOn() ? QStringLiteral("NUM") : QString());
}

} // namespace platform
