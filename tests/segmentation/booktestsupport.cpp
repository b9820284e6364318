#include "tests/segmentation/booktestsupport.h"

#include "platform/gbk.h"
#include "segmentation/core/codebook.h"
#include "segmentation/core/userwordbooks.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>

namespace booktest {

namespace codefile = platform::codefile;

QList<QStringList> queryRows(const QString& databasePath, const QString& sql)
{
    QList<QStringList> rows;
    const QString name = QStringLiteral("booktest-reader");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql)) {
                while (query.next()) {
                    QStringList row;
                    for (int i = 0; i < query.record().count(); ++i)
                        row << (query.isNull(i) ? QStringLiteral("<null>") : query.value(i).toString());
                    rows << row;
                }
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

QStringList tableNames(const QString& databasePath)
{
    QStringList names;
    for (const QStringList& row :
         queryRows(databasePath,
                   QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")))
        names << row.first();
    return names;
}

QStringList fieldDeclarations(const QString& databasePath, const QString& table)
{
    QStringList fields;
    for (const QStringList& row :
         queryRows(databasePath, QStringLiteral("SELECT name, type FROM pragma_table_info('%1')").arg(table)))
        fields << row.join(u':');
    return fields;
}

QList<quint16> indexCounts(const QString& path)
{
    const QByteArray bytes = readFile(path);
    QList<quint16> counts;
    if (bytes.size() != segmentation::kIndexFileBytes)
        return counts;
    for (int cell = 0; cell < codefile::kGbkCellCount; ++cell)
        counts << qFromLittleEndian<quint16>(bytes.constData() + 2 * cell);
    return counts;
}

QByteArray gbk(const QString& text)
{
    return platform::gbk::encode(text);
}

int cellOf(const QString& text)
{
    const QByteArray bytes = gbk(text);
    return codefile::GbkCellIndex(bytes[0], bytes[1]);
}

codefile::CodeGroupContents group(const char* code, const QStringList& texts)
{
    codefile::CodeGroupContents result{code, {}};
    for (const QString& text : texts)
        result.texts << gbk(text);
    return result;
}

namespace {

QString failureOf(const segmentation::BuildReport& report)
{
    return report.ok() ? QString() : report.failure->message;
}

} // namespace

QString buildCodeBook(const QString& programFolder, const QString& systemFolder,
                      const QList<codefile::CodeGroupContents>& characters,
                      const QList<codefile::CodeGroupContents>& words)
{
    const QString path = systemFolder + QLatin1String(segmentation::kCodeFileName);
    if (!writeFile(path, codefile::writeCodeFile({"BookTest", "", "", characters, words})))
        return QStringLiteral("cannot write ") + path;
    return failureOf(
        segmentation::RebuildCodeBook(programFolder, path, {QStringLiteral("t"), QStringLiteral("1K")}));
}

QString buildTeacherBook(const QString& programFolder, const QStringList& words)
{
    QList<QByteArray> list;
    for (const QString& word : words)
        list << gbk(word);
    const QString path = programFolder + QLatin1String(segmentation::kTeacherWordListName);
    if (!writeFile(path, codefile::writeWordList(list)))
        return QStringLiteral("cannot write ") + path;
    return failureOf(segmentation::BuildUserWordBook(programFolder));
}

QString buildCustomBook(const QString& programFolder, const QString& systemFolder,
                        const QList<CustomWord>& words)
{
    QList<codefile::UserWordContents> entries;
    for (const CustomWord& word : words)
        entries.append({codefile::asciiCodeField(word.code), gbk(word.word)});
    const QString path = systemFolder + segmentation::userWordFileNameForEdition(1);
    if (!writeFile(path, codefile::writeUserWordFile(entries)))
        return QStringLiteral("cannot write ") + path;
    return failureOf(segmentation::BuildCustomCodeBook(programFolder, systemFolder, 1));
}

QString buildCodeBook(const QString& programFolder, const QString& systemFolder, const QString& entries)
{
    QList<codefile::CodeGroupContents> characters;
    QList<codefile::CodeGroupContents> words;
    for (const QString& entry : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u'=');
        (parts[0].size() == 1 ? characters : words) << group(parts[1].toLatin1().constData(), {parts[0]});
    }
    return buildCodeBook(programFolder, systemFolder, characters, words);
}

QString buildTeacherBook(const QString& programFolder, const QString& words)
{
    return buildTeacherBook(programFolder, words.split(u' ', Qt::SkipEmptyParts));
}

QString buildCustomBook(const QString& programFolder, const QString& systemFolder, const QString& entries)
{
    QList<CustomWord> words;
    for (const QString& entry : entries.split(u' ', Qt::SkipEmptyParts))
        words.append({entry.section(u'=', 1).toLatin1(), entry.section(u'=', 0, 0)});
    return buildCustomBook(programFolder, systemFolder, words);
}

} // namespace booktest
