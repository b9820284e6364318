// What the book tests share: the books' files read back without the recordsets, and the sample
// code file's characters and words.
#pragma once

#include "segmentation/core/bookfiles.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

namespace booktest {

// Every row of a query as texts (NULL as "<null>"), through a connection of its own.
QList<QStringList> queryRows(const QString& databasePath, const QString& sql);
// The tables of a database in the order they were created.
QStringList tableNames(const QString& databasePath);
// name:type of every field of a table, in order.
QStringList fieldDeclarations(const QString& databasePath, const QString& table);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);
// The counts of an index file (empty when it is not 48132 bytes long).
QList<quint16> indexCounts(const QString& path);

QByteArray gbk(const QString& text);
// The GBK cell of a text's first character.
int cellOf(const QString& text);

} // namespace booktest

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
