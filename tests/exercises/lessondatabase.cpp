#include "tests/exercises/lessondatabase.h"

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

} // namespace drilltest
