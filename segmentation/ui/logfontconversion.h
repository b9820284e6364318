// LOGFONTs as Qt fonts and back, with the Windows face names the programs ask for resolved to the
// fonts installed here.
#pragma once

#include "segmentation/core/logfont.h"

#include <QFont>

namespace segmentation {

// The installed family that stands for a face name: the face itself when it is installed; for a Kai
// face of Windows ("楷体_GB2312", "楷体", "KaiTi"), the first installed Kai family that fontconfig knows
// (AR PL UKai CN when fonts-arphic-ukai is installed); otherwise the face, left to fontconfig's own
// substitution.
QString resolvedFamily(const QString& faceName);

// A positive height is the cell height (ascent and descent), as GDI takes it, so a height of 40
// gives a font whose metrics' height is 40 pixels; a negative one is the character (em) height.
QFont fontFromLogFont(const LogFont& logFont);
// The LOGFONT of a Qt font: its character height as a negative height, its resolved family as the face.
LogFont logFontFromFont(const QFont& font);
// The system's default GUI font as a LOGFONT, in the emulated system's character set (GB 2312).
LogFont defaultGuiLogFont();

} // namespace segmentation
