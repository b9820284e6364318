// Texts the programs look for in the sample data.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace datatests {

// The catalogue of editable code books: display name and table, in catalogue order.
inline QList<QPair<QString, QString>> catalogueMap()
{
    return {
        {QStringLiteral("单字训练"), QStringLiteral("jiandan")},
        {QStringLiteral("字一键简码"), QStringLiteral("Zi1jm")},
        {QStringLiteral("字两键简码"), QStringLiteral("Zi2jm")},
        {QStringLiteral("词一键简码"), QStringLiteral("Ci1jm")},
        {QStringLiteral("词两键简码"), QStringLiteral("Ci2jm")},
        {QStringLiteral("两字词组训练"), QStringLiteral("Ci2")},
        {QStringLiteral("三字词组训练"), QStringLiteral("Ci3")},
        {QStringLiteral("四字词组训练"), QStringLiteral("Ci4")},
        {QStringLiteral("多字词组训练"), QStringLiteral("Cid")},
        {QStringLiteral("游戏码本"), QStringLiteral("playziku")},
    };
}

} // namespace datatests
