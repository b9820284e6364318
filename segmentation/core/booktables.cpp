#include "segmentation/core/booktables.h"

#include <QFile>

namespace segmentation {
namespace {

using platform::dao::DaoError;
using platform::dao::Database;
using platform::dao::FieldSpec;
using Type = platform::dao::FieldType;

FieldSpec field(const char* name, Type type, int size)
{
    return {QLatin1String(name), type, size};
}

QList<FieldSpec> wordTableFields()
{
    return {field("ID", Type::Long, 0),       field("hz", Type::Text, 50),
            field("srm", Type::Text, 50),     field("first", Type::Long, 50),
            field("firstzi", Type::Text, 50), field("CiLength", Type::Long, 50),
            field("ZDY", Type::Byte, 1),      field("Jm", Type::Text, 50)};
}

QList<TableSpec> userBookTables(bool withCode)
{
    QList<FieldSpec> staging{field("ID", Type::Long, 0), field("hz", Type::Text, 50),
                             field("cilength", Type::Long, 50), field("first", Type::Text, 50),
                             field("firstzi", Type::Long, 50)};
    QList<FieldSpec> words{field("ID", Type::Long, 0), field("hz", Type::Text, 50),
                           field("first", Type::Text, 50), field("cilength", Type::Long, 50),
                           field("firstzi", Type::Long, 50)};
    if (withCode) {
        staging.insert(2, field("srm", Type::Text, 50));
        words.insert(2, field("srm", Type::Text, 50));
    }
    return {{QStringLiteral("ZDYtemBiao"), staging}, {QStringLiteral("ZDYBiao"), words}};
}

std::unique_ptr<Database> createBook(const QString& databasePath, const QList<TableSpec>& tables)
{
    if (QFile::exists(databasePath) && !QFile::remove(databasePath))
        throw DaoError(QStringLiteral("cannot delete %1").arg(databasePath).toStdString());
    auto database = Database::create(databasePath);
    for (const TableSpec& table : tables)
        database->createTable(table.name, table.fields);
    return database;
}

} // namespace

const QList<TableSpec>& codeBookTables()
{
    static const QList<TableSpec> tables{
        {QStringLiteral("ZiBiao"),
         {field("ID", Type::Long, 0), field("hz", Type::Text, 50), field("srm", Type::Text, 50),
          field("Jm", Type::Text, 50)}},
        {QStringLiteral("ZiJmBiao"),
         {field("ID", Type::Long, 0), field("hz", Type::Text, 50), field("srm", Type::Text, 50)}},
        {QStringLiteral("CiidBiao"),
         {field("iid", Type::Long, 50), field("ID", Type::Long, 0), field("hz", Type::Text, 50),
          field("nci", Type::Long, 0)}},
        {QStringLiteral("CitemBiao"), wordTableFields()},
        {QStringLiteral("CiBiao"), wordTableFields()},
        {QStringLiteral("CiJmBiao"),
         {field("ID", Type::Long, 0), field("hz", Type::Text, 50), field("srm", Type::Text, 50),
          field("CiLength", Type::Text, 50)}},
        {QStringLiteral("FileInfo"),
         {field("FileTime", Type::Text, 50), field("FileSize", Type::Text, 50),
          field("MaxCiLength", Type::Text, 50)}},
    };
    return tables;
}

const QList<TableSpec>& teacherBookTables()
{
    static const QList<TableSpec> tables = userBookTables(false);
    return tables;
}

const QList<TableSpec>& customBookTables()
{
    static const QList<TableSpec> tables = userBookTables(true);
    return tables;
}

const QList<TableSpec>& bookTables(BookKind kind)
{
    switch (kind) {
    case BookKind::Code:
        return codeBookTables();
    case BookKind::Teacher:
        return teacherBookTables();
    case BookKind::Custom:
        return customBookTables();
    }
    Q_UNREACHABLE();
}

std::unique_ptr<Database> CreateCodeBookDatabase(const QString& databasePath)
{
    return createBook(databasePath, codeBookTables());
}

std::unique_ptr<Database> CreateUserWordBookDatabase(const QString& databasePath)
{
    return createBook(databasePath, teacherBookTables());
}

std::unique_ptr<Database> CreateCustomCodeBookDatabase(const QString& databasePath)
{
    return createBook(databasePath, customBookTables());
}

std::unique_ptr<Database> createBookDatabase(BookKind kind, const QString& databasePath)
{
    return createBook(databasePath, bookTables(kind));
}

} // namespace segmentation
