// Which faces draw Chinese text: small text in the faces a Chinese desktop draws its screen text
// with, large text in the print faces the windows were designed with.
#pragma once

#include <QFont>
#include <QStringList>

namespace platform::fonts {

// Text of this size in points or more is large text. Below it (menus, status bars, lists, buttons
// at 9 to 12 points) the print faces' thin hinted strokes break up on the pixel grid.
inline constexpr double kLargeTextPointSize = 14;

// The Chinese faces' two designs: Hei (no serifs) and Song (Ming).
enum class Design
{
    Sans,
    Serif
};

// Latin letters and digits in the first installed family of latinFamilies, Chinese text in the
// screen face of the design below kLargeTextPointSize, else in the print face.
QFont mixedFont(const QStringList& latinFamilies, Design design, double pointSize, bool bold = false);

// The desktop's font for Latin text, with the Hei screen face behind it for Chinese text at every
// size: the desktop's own fallback for Chinese is whatever face the locale happens to prefer.
QFont generalFont(const QFont& desktopFont);

// Makes generalFont of the desktop's font the application's font.
void installGeneralFont();

} // namespace platform::fonts
