// Where a window stands on the screen.
#pragma once

class QWidget;

namespace platform {

// Moves a window to the middle of the primary screen: left = (screen width - window width) / 2,
// top = (screen height - window height) / 2, at the window's size of the moment.
void centreOnScreen(QWidget* window);

} // namespace platform
