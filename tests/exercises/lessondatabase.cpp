#include "tests/exercises/lessondatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace drilltest {

QString wordFor(int row, int length)
{
    QString word;
    for (int j = 0; j < length; ++j)
        word += QChar(0x4E00 + row * 8 + j);
    return word;
}

QString codeFor(int row)
{
    return QString::number(300000 + row);
}

QList<LessonRow> makeRows(int count, int (*lengthOf)(int row))
{
    QList<LessonRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({wordFor(i, lengthOf(i)), codeFor(i)});
    return rows;
}

void createLessonDatabase(const QString& filePath, const QList<std::pair<QString, QList<LessonRow>>>& tables)
{
    const QString connection = QStringLiteral("drilltest-") + filePath;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(filePath);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        for (const auto& [table, rows] : tables) {
            ASSERT_TRUE(query.exec(
                QStringLiteral("CREATE TABLE %1 (number INTEGER, bianma TEXT, wenzhi TEXT)").arg(table)));
            db.transaction();
            ASSERT_TRUE(query.prepare(
                QStringLiteral("INSERT INTO %1 (number, bianma, wenzhi) VALUES (?, ?, ?)").arg(table)));
            for (int i = 0; i < rows.size(); ++i) {
                query.addBindValue(i + 1);
                query.addBindValue(rows[i].code.isNull() ? QVariant() : QVariant(rows[i].code));
                query.addBindValue(rows[i].word.isNull() ? QVariant() : QVariant(rows[i].word));
                ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
            }
            db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

void damageWords(const QString& filePath, const QList<LessonRow>& rows)
{
    QFile file(filePath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (const LessonRow& row : rows) {
        // A record of (number, bianma, wenzhi) starts with its header: the header's size (4), the
        // type of the number, the type of the code (a text of n bytes is 13 + 2n), the type of the
        // word; the number's bytes, if any, and the code follow.
        const QByteArray code = row.code.toUtf8();
        const qsizetype at = bytes.indexOf(code);
        ASSERT_GE(at, 6) << row.code.toStdString();
        const char codeType = char(13 + 2 * code.size());
        qsizetype header = at - 6;
        while (header < at && !(bytes[header] == 4 && bytes[header + 2] == codeType))
            ++header;
        ASSERT_LT(header, at) << row.code.toStdString();
        bytes[header + 3] = char(0x7F); // a text of 57 bytes
    }
    file.seek(0);
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace drilltest
