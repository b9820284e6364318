// The fonts that the main program's windows ask for by their Windows names, with the nearest
// fonts of this platform behind them. Chinese text below the large-text size is drawn in a screen
// face (platform/screenfonts.h), except in the Kai face.
#pragma once

#include <QFont>

namespace shell {

// "宋体" (SimSun) at the given size in points: a proportional serif face for Latin letters and
// digits, then a Song face for Chinese, so that mixed text reads well ("Talvoren" is not taken
// for "Ta1voren" in the CJK face's own Latin letters).
QFont songTi(double pointSize, bool bold = false);
// "Times New Roman" at the given size in points, with the same Song face for any Chinese in it.
QFont timesNewRoman(double pointSize, bool bold = false);
// "楷体_GB2312" (KaiTi) at the given size in points.
QFont kaiTi(double pointSize, bool bold = false);
// "MS Sans Serif" at the given size in points, with the Hei screen face for small Chinese text
// and the Song face for large.
QFont msSansSerif(double pointSize, bool bold = false);

} // namespace shell
