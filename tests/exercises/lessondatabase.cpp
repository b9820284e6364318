#include "tests/exercises/lessondatabase.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QImage>
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

void createTable(const QString& filePath, const QString& createStatement, const QList<QVariantList>& rows)
{
    const QString connection = QStringLiteral("drilltest-") + filePath;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(filePath);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(createStatement)) << query.lastError().text().toStdString();
        const QString table = createStatement.section(u' ', 2, 2);
        db.transaction();
        for (const QVariantList& values : rows) {
            const QStringList marks(values.size(), QStringLiteral("?"));
            ASSERT_TRUE(
                query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(u','))));
            for (const QVariant& value : values)
                query.addBindValue(value);
            ASSERT_TRUE(query.exec()) << query.lastError().text().toStdString();
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

void createLessonDatabase(const QString& filePath, const QList<std::pair<QString, QList<LessonRow>>>& tables)
{
    for (const auto& [table, rows] : tables) {
        QList<QVariantList> values;
        for (int i = 0; i < rows.size(); ++i) {
            values.append({i + 1, rows[i].code.isNull() ? QVariant() : QVariant(rows[i].code),
                           rows[i].word.isNull() ? QVariant() : QVariant(rows[i].word)});
        }
        createTable(filePath,
                    QStringLiteral("CREATE TABLE %1 (number INTEGER, bianma TEXT, wenzhi TEXT)").arg(table),
                    values);
    }
}

QByteArray pictureFor(int row)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((row * 37) % 360, 160, 230));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QList<PictureRow> makePictureRows(int count, QString (*codeOf)(int row))
{
    QList<PictureRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({pictureFor(i), codeOf(i)});
    return rows;
}

void createPictureDatabase(const QString& filePath, const QString& table, const QList<PictureRow>& rows)
{
    QList<QVariantList> values;
    for (const PictureRow& row : rows)
        values.append({row.picture, row.code});
    createTable(filePath, QStringLiteral("CREATE TABLE %1 (picture BLOB, bianma TEXT)").arg(table), values);
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
