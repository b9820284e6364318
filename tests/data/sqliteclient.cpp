#include "tests/data/sqliteclient.h"

#include <QJsonDocument>
#include <QProcess>

namespace datatests {

ClientResult runSqlite(const QString& databaseFile, const QString& sql, const QStringList& options)
{
    QProcess client;
    client.start(QStringLiteral("sqlite3"),
                 QStringList{QStringLiteral("-batch"), QStringLiteral("-readonly")} + options +
                     QStringList{databaseFile, sql});
    ClientResult result;
    if (!client.waitForStarted() || !client.waitForFinished(60000)) {
        result.error = QStringLiteral("sqlite3 did not run: ") + client.errorString();
        return result;
    }
    result.output = QString::fromUtf8(client.readAllStandardOutput());
    result.error = QString::fromUtf8(client.readAllStandardError());
    result.ok =
        client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0 && result.error.isEmpty();
    return result;
}

QJsonArray queryRows(const QString& databaseFile, const QString& sql, bool* ok)
{
    const ClientResult result = runSqlite(databaseFile, sql, {QStringLiteral("-json")});
    *ok = result.ok;
    if (!result.ok || result.output.trimmed().isEmpty())
        return {};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(result.output.toUtf8(), &parseError);
    *ok = parseError.error == QJsonParseError::NoError && document.isArray();
    return document.array();
}

QString dump(const QString& databaseFile)
{
    return runSqlite(databaseFile, QStringLiteral(".dump")).output;
}

} // namespace datatests
