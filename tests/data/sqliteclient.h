// Reads a database through the sqlite3 command-line client, so the checks do not share the
// programs' own database code.
#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>

namespace datatests {

struct ClientResult
{
    bool ok = false;
    QString output;
    QString error;
};

// Runs `sqlite3 -batch <args> <file> <sql>`.
ClientResult runSqlite(const QString& databaseFile, const QString& sql, const QStringList& options = {});
// Rows of a query as JSON objects (empty array for no rows); ok false when the client failed.
QJsonArray queryRows(const QString& databaseFile, const QString& sql, bool* ok);
// Every row of every table as SQL text, in the client's dump format.
QString dump(const QString& databaseFile);

} // namespace datatests
