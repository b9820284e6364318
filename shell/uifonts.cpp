#include "shell/uifonts.h"

#include <QStringList>

namespace shell {
namespace {

// Each character is drawn in the first family that has it: Latin letters and digits in a serif
// face, everything else in the Song face.
const QStringList& serifThenSong()
{
    static const QStringList families = {
        QStringLiteral("Times New Roman"),
        QStringLiteral("Liberation Serif"),
        QStringLiteral("Nimbus Roman"),
        QStringLiteral("DejaVu Serif"),
        QStringLiteral("宋体"),
        QStringLiteral("SimSun"),
        QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Serif CJK SC"),
    };
    return families;
}

QFont makeFont(const QStringList& families, double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont songTi(double pointSize, bool bold)
{
    return makeFont(serifThenSong(), pointSize, bold);
}

QFont kaiTi(double pointSize, bool bold)
{
    return makeFont({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"),
                     QStringLiteral("AR PL UMing CN")},
                    pointSize, bold);
}

QFont msSansSerif(double pointSize, bool bold)
{
    return makeFont(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("AR PL UMing CN")},
        pointSize, bold);
}

QFont timesNewRoman(double pointSize, bool bold)
{
    return makeFont(serifThenSong(), pointSize, bold);
}

} // namespace shell
