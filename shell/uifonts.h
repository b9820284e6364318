// The fonts that the main program's windows ask for by their Windows names, with the nearest
// fonts of this platform behind them.
#pragma once

#include <QFont>

namespace shell {

// "宋体" (SimSun) at the given size in points.
QFont songTi(double pointSize, bool bold = false);
// "楷体_GB2312" (KaiTi) at the given size in points.
QFont kaiTi(double pointSize, bool bold = false);
// "MS Sans Serif" at the given size in points.
QFont msSansSerif(double pointSize, bool bold = false);
// "Times New Roman" at the given size in points.
QFont timesNewRoman(double pointSize, bool bold = false);

} // namespace shell
