// Which window a modal box belongs to, and that it comes up over that window at every showing,
// with or without a window manager to stack the windows.
#pragma once

class QWidget;

namespace platform {

// Makes the box a transient for the window of `owner` (the window that shows it), without making
// it the owner's child: a box that outlives one caller can be shown by the next. With no owner, the
// box's own parent's window is taken, else the window the user is in.
void setModalOwner(QWidget* box, QWidget* owner = nullptr);
// The window the box is a transient for, or nullptr.
QWidget* modalOwner(const QWidget* box);
// Raises the box each time it is shown. Without a window manager a window shown again comes up
// where it last stood in the stacking order, which may be under its owner.
void raiseWhenShown(QWidget* box);

} // namespace platform
