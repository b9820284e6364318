// What the book tests share: small books built through the builders from files written with the
// formats' own writers, and the books' files read back without the recordsets.
#pragma once

#include "platform/codefile.h"
#include "segmentation/core/bookbuild.h"
#include "segmentation/core/bookfiles.h"

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

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);
// The counts of an index file (empty when it is not 48132 bytes long).
QList<quint16> indexCounts(const QString& path);

QByteArray gbk(const QString& text);
// The GBK cell of a text's first character.
int cellOf(const QString& text);

// A group of a code file: its code and its characters or words.
platform::codefile::CodeGroupContents group(const char* code, const QStringList& texts);
// The code book of the program folder, rebuilt from a code file of these groups written as the
// system folder's orvesk.mb.
segmentation::BuildReport buildCodeBook(const QString& programFolder, const QString& systemFolder,
                                        const QList<platform::codefile::CodeGroupContents>& characters,
                                        const QList<platform::codefile::CodeGroupContents>& words);
// The same from entries "text=code" separated by blanks, each a group of its own in the order given:
// a text of one character goes into the character section, a longer one into the word section.
segmentation::BuildReport buildCodeBook(const QString& programFolder, const QString& systemFolder,
                                        const QString& entries);
// The teacher's book, built from a usercibiao.TXT of these words (separated by blanks).
segmentation::BuildReport buildTeacherBook(const QString& programFolder, const QString& words);
// The custom book, built from a ZDYgbk.TXT (the simple edition's) of entries "word=code".
segmentation::BuildReport buildCustomBook(const QString& programFolder, const QString& systemFolder,
                                          const QString& entries);

} // namespace booktest

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
