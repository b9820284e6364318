// Strict readers of the input method's files, written for the tests from the file layouts alone:
// they follow the readers' rules step by step and fail on any byte out of place.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace datatests {

// Digits of a packed code: one per nibble, high nibble first, up to the first nibble above 9.
// Returns the digit count, or -1 when the first nibble is above 9 (then `digits` stays empty).
int decodePackedCode(const char* threeBytes, QByteArray* digits);

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

// The code file: header values A, B, C, D at 0x10; the character section at 0x20 + A + B, groups
// of 3 code bytes, two-byte characters, 0xFF; the word section after it, groups of 3 code bytes,
// words each ended by 0xFF, and a second 0xFF. Both sections must end exactly at their lengths,
// and the file right after the word section.
bool readCodeFile(const QByteArray& file, CodeFile* result, QString* error);

// The user word file: entries of a 6-byte code field, the word and CR LF, up to the entry whose
// second byte is LF (the closing empty line, which must end the file). The code text is the
// first k bytes of the field up to a zero byte, k half the sum of the digit counts of its halves.
bool readUserWordFile(const QByteArray& file, QList<CodedText>* result, QString* error);

// The teacher's word list: words ended by CR LF, up to the line whose second byte is LF, which
// must end the file.
bool readWordList(const QByteArray& file, QList<QByteArray>* result, QString* error);

// True when text is one or more GBK double-byte characters.
bool isDoubleByteText(const QByteArray& text);

} // namespace datatests
