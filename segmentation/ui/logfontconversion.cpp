#include "segmentation/ui/logfontconversion.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <cmath>

namespace segmentation {
namespace {

// Pitch and family bits of a LOGFONT.
constexpr quint8 kFixedPitch = 1;
constexpr quint8 kVariablePitch = 2;
constexpr quint8 kNonAntialiasedQuality = 3;

bool isKaiFace(const QString& face)
{
    for (const char16_t* kai : {u"楷体_GB2312", u"楷体", u"KaiTi", u"KaiTi_GB2312"})
        if (face.compare(QStringView(kai), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString installedKaiFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        for (const char16_t* preferred :
             {u"AR PL UKai CN", u"AR PL KaitiM GB", u"AR PL UKai TW", u"AR PL UKai HK"})
            if (installed.contains(QStringView(preferred)))
                return QString::fromUtf16(preferred);
        for (const QString& name : installed)
            if (name.contains(u"Kai", Qt::CaseInsensitive) || name.contains(u"楷"))
                return name;
        return QString();
    }();
    return family;
}

QFont::StyleHint styleHintOf(quint8 pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x20:
        return QFont::SansSerif;
    case 0x30:
        return QFont::TypeWriter;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

quint8 familyBitsOf(QFont::StyleHint hint)
{
    switch (hint) {
    case QFont::Serif:
        return 0x10;
    case QFont::SansSerif:
        return 0x20;
    case QFont::TypeWriter:
        return 0x30;
    case QFont::Cursive:
        return 0x40;
    case QFont::Decorative:
        return 0x50;
    default:
        return 0;
    }
}

// The pixel size whose metrics' height comes nearest the cell height without passing it.
void fitCellHeight(QFont& font, int cellHeight)
{
    font.setPixelSize(cellHeight);
    const int measured = QFontMetrics(font).height();
    if (measured <= 0 || measured == cellHeight)
        return;
    int size = qMax(1, int(std::lround(double(cellHeight) * cellHeight / measured)));
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cellHeight)
        font.setPixelSize(--size);
    while (true) {
        QFont larger = font;
        larger.setPixelSize(size + 1);
        if (QFontMetrics(larger).height() > cellHeight)
            break;
        font = larger;
        ++size;
    }
}

} // namespace

QString resolvedFamily(const QString& faceName)
{
    if (QFontDatabase::hasFamily(faceName))
        return faceName;
    if (isKaiFace(faceName)) {
        const QString kai = installedKaiFamily();
        if (!kai.isEmpty())
            return kai;
    }
    return faceName;
}

QFont fontFromLogFont(const LogFont& logFont)
{
    QFont font(resolvedFamily(logFont.faceName));
    font.setStyleHint(styleHintOf(logFont.pitchAndFamily));
    if (logFont.weight > 0)
        font.setWeight(QFont::Weight(qBound(1, logFont.weight, 1000)));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    if (logFont.quality == kNonAntialiasedQuality)
        font.setStyleStrategy(QFont::NoAntialias);
    if (logFont.height > 0)
        fitCellHeight(font, logFont.height);
    else if (logFont.height < 0)
        font.setPixelSize(-logFont.height);
    return font;
}

LogFont logFontFromFont(const QFont& font)
{
    const QFontInfo info(font);
    LogFont logFont;
    logFont.height = -info.pixelSize();
    logFont.weight = info.weight();
    logFont.italic = info.italic() ? 1 : 0;
    logFont.underline = font.underline() ? 1 : 0;
    logFont.strikeOut = font.strikeOut() ? 1 : 0;
    logFont.charSet = kGb2312CharSet;
    logFont.pitchAndFamily =
        quint8((info.fixedPitch() ? kFixedPitch : kVariablePitch) | familyBitsOf(font.styleHint()));
    logFont.faceName = info.family();
    return logFont;
}

LogFont defaultGuiLogFont()
{
    return logFontFromFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
}

} // namespace segmentation
