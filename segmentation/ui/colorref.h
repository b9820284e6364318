// Colours as the settings hold them (0x00BBGGRR) and as Qt paints them.
#pragma once

#include "segmentation/core/settings.h"

#include <QColor>

namespace segmentation {

inline QColor colorFromColorRef(ColorRef color)
{
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}

inline ColorRef colorRefFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return ColorRef(rgb.red()) | ColorRef(rgb.green()) << 8 | ColorRef(rgb.blue()) << 16;
}

} // namespace segmentation
