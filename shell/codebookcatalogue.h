// The code database's catalogue of editable code books: display name and table, and the names of
// the catalogue and scratch tables. Widget-free, so the sample-data generator shares it.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace shell {

struct CodeBook
{
    QString showname; // as the catalogue table lists it
    QString table;
};

// The ten books, in the order the catalogue lists them.
const QList<CodeBook>& codeBookCatalogue();
// The table of a display name, matched exactly (whole text, case-sensitive); none for any other text.
std::optional<QString> codeBookTable(const QString& showname);

// The catalogue table, one `showname` a row (the name is spelled so).
inline const QString kCatalogueTable = QStringLiteral("TabelName");
// The scratch copy of the book being edited: number, bianma, wenzhi.
inline const QString kScratchTable = QStringLiteral("temp");

} // namespace shell
