// A font as the Windows LOGFONT describes it: fourteen fields, the face name last.
#pragma once

#include <QString>
#include <QtGlobal>

namespace segmentation {

inline constexpr int kLogFontFields = 14;
inline constexpr int kFaceNameMaxBytes = 31; // LF_FACESIZE less the terminator

// Values of the byte fields the practice program uses.
inline constexpr quint8 kGb2312CharSet = 134;
inline constexpr quint8 kProofQuality = 2;
inline constexpr int kNormalWeight = 400;

struct LogFont
{
    qint32 height = 0; // > 0: the cell height in pixels; < 0: the character height; 0: a default size
    qint32 width = 0;
    qint32 escapement = 0;
    qint32 orientation = 0;
    qint32 weight = 0;
    quint8 italic = 0;
    quint8 underline = 0;
    quint8 strikeOut = 0;
    quint8 charSet = 0;
    quint8 outPrecision = 0;
    quint8 clipPrecision = 0;
    quint8 quality = 0;
    quint8 pitchAndFamily = 0;
    QString faceName;
    bool operator==(const LogFont&) const = default;
};

} // namespace segmentation
