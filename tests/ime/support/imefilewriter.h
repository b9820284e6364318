// The input method's code file and user word file from readable samples, for tests and benchmarks.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace imetest {

// One code and what the file lists under it (characters or words).
struct CodeGroup
{
    QByteArray code; // digits
    QList<QString> items;
};

struct UserWord
{
    QByteArray code; // digits, written as ASCII and padded with zero bytes to 6
    QString word;
};

QByteArray encodeGbk(const QString& text);

// The whole code file: two skipped stretches (filled with noise), then the character section and
// the word section.
QByteArray codeFileBytes(const QList<CodeGroup>& characters, const QList<CodeGroup>& words);
// A code file around the given section bytes, which may be damaged at will.
QByteArray codeFileAround(const QByteArray& characterSection, const QByteArray& wordSection);
// Where the character section of codeFileBytes() and codeFileAround() begins.
inline constexpr int kSkippedLengthA = 5;
inline constexpr int kSkippedLengthB = 3;
inline constexpr int kCharacterSectionStart = 0x20 + kSkippedLengthA + kSkippedLengthB;

// Entries, each ended by CR LF, and the closing empty line.
QByteArray userWordFileBytes(const QList<UserWord>& words);

} // namespace imetest
