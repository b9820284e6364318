#include "platform/screenfonts.h"

#include <QApplication>
#include <QFontInfo>

namespace platform::fonts {
namespace {

// fonts-noto-cjk: the faces a Debian desktop in Chinese draws its text with.
const QString& heiScreenFace()
{
    static const QString family = QStringLiteral("Noto Sans CJK SC");
    return family;
}

const QString& songScreenFace()
{
    static const QString family = QStringLiteral("Noto Serif CJK SC");
    return family;
}

// The Song faces the windows were designed with: their Windows names, then the face that stands in
// for them here (fonts-arphic-uming).
const QStringList& songPrintFaces()
{
    static const QStringList families = {QStringLiteral("宋体"), QStringLiteral("SimSun"),
                                         QStringLiteral("AR PL UMing CN")};
    return families;
}

// The families that draw Chinese text of this design and size, best first.
QStringList chineseFamilies(Design design, double pointSize)
{
    const QString& screenFace = design == Design::Sans ? heiScreenFace() : songScreenFace();
    // Behind the screen face, the print faces serve a machine that lacks it.
    if (pointSize < kLargeTextPointSize)
        return QStringList{screenFace} + songPrintFaces();
    return songPrintFaces() + QStringList{screenFace};
}

} // namespace

QFont mixedFont(const QStringList& latinFamilies, Design design, double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(latinFamilies + chineseFamilies(design, pointSize));
    // Qt keeps one chain of fallback faces for all fonts whose first family, size, weight and style
    // hint agree, whatever their later families say: the hint keeps the chains of the two designs,
    // and of the desktop's font (which has none), apart.
    font.setStyleHint(design == Design::Sans ? QFont::SansSerif : QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont generalFont(const QFont& desktopFont)
{
    QFont font = desktopFont;
    // A family list does not resolve an alias such as "Sans Serif" the way a single family does:
    // the family that the alias stands for comes first by its own name.
    QStringList families{QFontInfo(desktopFont).family(), heiScreenFace()};
    families.removeDuplicates();
    font.setFamilies(families);
    return font;
}

void installGeneralFont()
{
    QApplication::setFont(generalFont(QApplication::font()));
}

} // namespace platform::fonts
