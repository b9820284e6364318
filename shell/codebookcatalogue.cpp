#include "shell/codebookcatalogue.h"

namespace shell {

const QList<CodeBook>& codeBookCatalogue()
{
    static const QList<CodeBook> books{
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
    return books;
}

std::optional<QString> codeBookTable(const QString& showname)
{
    for (const CodeBook& book : codeBookCatalogue()) {
        if (book.showname == showname)
            return book.table;
    }
    return std::nullopt;
}

} // namespace shell
