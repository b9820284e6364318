// The staged input-method files read through the code-file module, held to what the generator
// promises: files that end where their layout says, and no entry that a book would have to skip.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace datatests {

struct CodedText
{
    QByteArray code; // ASCII digits
    QByteArray text; // GBK
};

struct CodeFile
{
    quint32 a = 0, b = 0, c = 0, d = 0;
    QList<CodedText> characters; // file order
    QList<CodedText> words;      // file order
};

// Each fails with a reason on damage, on bytes after the end of the layout, on a missing closing
// line and on any entry with an oddity.
bool readCodeFile(const QByteArray& file, CodeFile* result, QString* error);
bool readUserWordFile(const QByteArray& file, QList<CodedText>* result, QString* error);
bool readWordList(const QByteArray& file, QList<QByteArray>* result, QString* error);

// True when text is one or more GBK double-byte characters.
bool isDoubleByteText(const QByteArray& text);

} // namespace datatests
