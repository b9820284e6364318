#include "shell/uifonts.h"

#include "platform/screenfonts.h"

#include <QStringList>

namespace shell {
namespace {

using platform::fonts::Design;

// Latin letters and digits in a serif face, so that mixed text reads well ("Talvoren" is not
// taken for "Ta1voren" in a Song face's own Latin letters).
const QStringList& serifLatin()
{
    static const QStringList families = {
        QStringLiteral("Times New Roman"),
        QStringLiteral("Liberation Serif"),
        QStringLiteral("Nimbus Roman"),
        QStringLiteral("DejaVu Serif"),
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
    return platform::fonts::mixedFont(serifLatin(), Design::Serif, pointSize, bold);
}

QFont kaiTi(double pointSize, bool bold)
{
    return makeFont({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"),
                     QStringLiteral("AR PL UMing CN")},
                    pointSize, bold);
}

QFont msSansSerif(double pointSize, bool bold)
{
    return platform::fonts::mixedFont({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")},
                                      Design::Sans, pointSize, bold);
}

QFont timesNewRoman(double pointSize, bool bold)
{
    return platform::fonts::mixedFont(serifLatin(), Design::Serif, pointSize, bold);
}

} // namespace shell
