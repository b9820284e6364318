// The tables of the practice program's books, declared field by field, and the creation of an
// empty book.
#pragma once

#include "platform/dao.h"
#include "segmentation/core/bookfiles.h"

#include <QList>
#include <QString>
#include <memory>

namespace segmentation {

struct TableSpec
{
    QString name;
    QList<platform::dao::FieldSpec> fields;
};

// The code book's seven tables in the order of creation: ZiBiao, ZiJmBiao, CiidBiao, CitemBiao,
// CiBiao, CiJmBiao, FileInfo.
const QList<TableSpec>& codeBookTables();
// The word books' two tables, ZDYtemBiao and ZDYBiao; the custom book's carry srm after hz.
const QList<TableSpec>& teacherBookTables();
const QList<TableSpec>& customBookTables();
const QList<TableSpec>& bookTables(BookKind kind);

// Each deletes the file at databasePath when there is one and creates it anew with the book's empty
// tables; the open database is handed back. Throws platform::dao::DaoError when it cannot.
std::unique_ptr<platform::dao::Database> CreateCodeBookDatabase(const QString& databasePath);
std::unique_ptr<platform::dao::Database> CreateUserWordBookDatabase(const QString& databasePath);
std::unique_ptr<platform::dao::Database> CreateCustomCodeBookDatabase(const QString& databasePath);
std::unique_ptr<platform::dao::Database> createBookDatabase(BookKind kind, const QString& databasePath);

} // namespace segmentation
