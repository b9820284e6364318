// What the book tests share: small books built by the builders from sources the test gives, and the
// books' files read back without the recordsets.
#pragma once

#include "platform/codefile.h"
#include "segmentation/core/bookfiles.h"
#include "tests/support/files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

namespace booktest {

// Every row of a query as texts (NULL as "<null>"), through a connection of its own.
QList<QStringList> queryRows(const QString& databasePath, const QString& sql);
// The tables of a database in the order they were created.
QStringList tableNames(const QString& databasePath);
// name:type of every field of a table, in order.
QStringList fieldDeclarations(const QString& databasePath, const QString& table);

using testsupport::readFile;
using testsupport::writeFile;
// The counts of an index file (empty when it is not 48132 bytes long).
QList<quint16> indexCounts(const QString& path);

QByteArray gbk(const QString& text);
// The GBK cell of a text's first character.
int cellOf(const QString& text);

// A group of the input method's code file: a code and the characters or words that have it.
platform::codefile::CodeGroupContents group(const char* code, const QStringList& texts);
// A user word of the input method: its code as ASCII digits and the word.
struct CustomWord
{
    QByteArray code;
    QString word;
};

// Each writes the source into its folder and builds the book in the program folder (folders end in
// '/'); the builder's message when it failed, else nothing.
QString buildCodeBook(const QString& programFolder, const QString& systemFolder,
                      const QList<platform::codefile::CodeGroupContents>& characters,
                      const QList<platform::codefile::CodeGroupContents>& words);
QString buildTeacherBook(const QString& programFolder, const QStringList& words);
// From the simple edition's user word file.
QString buildCustomBook(const QString& programFolder, const QString& systemFolder,
                        const QList<CustomWord>& words);
// The same from entries "text=code" separated by blanks, each a group of its own in the order given:
// a text of one character goes into the character section, a longer one into the word section.
QString buildCodeBook(const QString& programFolder, const QString& systemFolder, const QString& entries);
// The teacher's book from words separated by blanks; the custom book from entries "word=code".
QString buildTeacherBook(const QString& programFolder, const QString& words);
QString buildCustomBook(const QString& programFolder, const QString& systemFolder, const QString& entries);

} // namespace booktest

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
