// The input method's files: the code file with its packed codes, the user word file and the
// teacher's word list, all in GBK.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace datagen {

struct CodedText
{
    QString code;    // 1 to 6 digits
    QByteArray text; // GBK
};

// Up to six digits, one per nibble from the high nibble of the first byte; unused nibbles are 0xF.
QByteArray packCode(const QString& digits);

// The code file: a 16-byte signature, the four section lengths A, B, C, D (32-bit little-endian)
// at 0x10, then stretch A (the input method's name, NUL-ended), stretch B (the numbers of
// character and word entries), the character section and the word section. Entries sharing a
// code form one group, kept in the order given; groups are ordered by code length, then code, so
// the short codes come before the full codes.
QByteArray buildCodeFile(const QList<CodedText>& characters, const QList<CodedText>& words,
                         const QByteArray& imeName);

// The user word file: per entry the code as ASCII digits padded with zero bytes to six bytes,
// the word, CR LF; an empty line ends the list.
QByteArray buildUserWordFile(const QList<CodedText>& words);

// The teacher's word list: one word a line, CR LF, an empty line at the end.
QByteArray buildWordList(const QList<QByteArray>& words);

} // namespace datagen
