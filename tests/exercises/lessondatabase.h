// Small lesson databases for the drill tests, made with Qt SQL in the test's program folder.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

namespace drilltest {

struct LessonRow
{
    QString word; // wenzhi
    QString code; // bianma
};

// A word of `length` characters that no other row shares.
QString wordFor(int row, int length);
QString codeFor(int row);
// `count` rows; the word of row i has lengthOf(i) characters.
QList<LessonRow> makeRows(int count, int (*lengthOf)(int row));

// Creates a table in the file (made when missing) with the statement "CREATE TABLE <name> (...)" and
// fills it with rows of values in field order.
void createTable(const QString& filePath, const QString& createStatement, const QList<QVariantList>& rows);

struct PictureRow
{
    QByteArray picture; // picture
    QString code;       // bianma
};

// A small PNG picture, a different colour for each row.
QByteArray pictureFor(int row);
// `count` rows with pictures and codes made by codeOf(row).
QList<PictureRow> makePictureRows(int count, QString (*codeOf)(int row));
// Creates the file with one picture table (fields picture, bianma).
void createPictureDatabase(const QString& filePath, const QString& table, const QList<PictureRow>& rows);

// Creates the file with one code table per entry (fields number, bianma, wenzhi in this order).
void createLessonDatabase(const QString& filePath, const QList<std::pair<QString, QList<LessonRow>>>& tables);
// Damages the record of each of these rows in the closed file, so that its row is still found but
// its word cannot be read: the word's declared length runs past the end of the record.
void damageWords(const QString& filePath, const QList<LessonRow>& rows);

} // namespace drilltest
