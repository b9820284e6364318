// Small lesson databases for the drill tests, made with Qt SQL in the test's program folder.
#pragma once

#include <QList>
#include <QString>

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

// Creates the file with one code table per entry (fields number, bianma, wenzhi in this order).
void createLessonDatabase(const QString& filePath, const QList<std::pair<QString, QList<LessonRow>>>& tables);
// Damages the record of each of these rows in the closed file, so that its row is still found but
// its word cannot be read: the word's declared length runs past the end of the record.
void damageWords(const QString& filePath, const QList<LessonRow>& rows);

} // namespace drilltest
