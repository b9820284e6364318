#include "shell/lessoncatalogue.h"

namespace shell {

const QList<Lesson>& lessonCatalogue()
{
    // The word short-code drill opens its second table as "ci2jm"; table names match without
    // regard to case, so that is the book the maintenance window calls Ci2jm.
    static const QList<Lesson> lessons{
        {0, QStringLiteral("笔形训练"), QStringLiteral("Frmbixing"), QStringLiteral("bixing"), 7, 108,
         QStringLiteral("笔形训练")},
        {1, QStringLiteral("单字训练"), QStringLiteral("frmwubushou"), QStringLiteral("jiandan"), 3, 112,
         QStringLiteral("单字训练")},
        {2, QStringLiteral("字一键简码"), QStringLiteral("frmwubushou"), QStringLiteral("Zi1jm"), 11, 109,
         QStringLiteral("字一键简码")},
        {3, QStringLiteral("字两键简码"), QStringLiteral("frmwubushou"), QStringLiteral("Zi2jm"), 12, 113,
         QStringLiteral("字两键简码")},
        {4, QStringLiteral("词一键简码"), QStringLiteral("Frmcijm"), QStringLiteral("Ci1jm"), 0, 111,
         QStringLiteral("词一键简码")},
        {5, QStringLiteral("词两键简码"), QStringLiteral("Frmcijm"), QStringLiteral("ci2jm"), 0, 110,
         QStringLiteral("词两键简码")},
        {6, QStringLiteral("两字词组训练"), QStringLiteral("Frmcizu2"), QStringLiteral("Ci2"), 0, 115,
         QStringLiteral("两字词组")},
        {7, QStringLiteral("三字词组训练"), QStringLiteral("Frmcizu3"), QStringLiteral("Ci3"), 0, 116,
         QStringLiteral("三字词组")},
        {8, QStringLiteral("四字词组训练"), QStringLiteral("Frmcizu4"), QStringLiteral("Ci4"), 0, 117,
         QStringLiteral("四字词组")},
        {9, QStringLiteral("多字词组训练"), QStringLiteral("Frmcizu5"), QStringLiteral("Cid"), 0, 118,
         QStringLiteral("多字词组")},
        {10, QStringLiteral("彩色汉字"), QStringLiteral("Frmbixing"), QStringLiteral("ColorZi"), 8, 104,
         QStringLiteral("彩色单字")},
    };
    return lessons;
}

} // namespace shell
