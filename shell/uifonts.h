// The fonts that the main program's windows ask for by their Windows names, with the nearest
// fonts of this platform behind them.
#pragma once

#include <QFont>

namespace shell {

// "宋体" (SimSun) at the given size in points.
QFont songTi(double pointSize, bool bold = false);
// "Times New Roman" at the given size in points.
QFont timesNewRoman(double pointSize, bool bold = false);

} // namespace shell
