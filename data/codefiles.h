// The input method's code file as the generator lays it out: which groups, in which order.
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

// The code file: a 16-byte signature, stretch A (the input method's name, NUL-ended), stretch B
// (the numbers of character and word entries), the character section and the word section.
// Entries sharing a code form one group, kept in the order given; groups are ordered by code
// length, then code, so the short codes come before the full codes.
QByteArray buildCodeFile(const QList<CodedText>& characters, const QList<CodedText>& words,
                         const QByteArray& imeName);

} // namespace datagen
