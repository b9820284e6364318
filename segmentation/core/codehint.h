// The F2 code hint's rule: which book's match stands, and the text the status bar shows for it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace segmentation {

// Where a hint's match comes from, in the order the books are asked.
enum class HintSource
{
    CodeBook,
    TeacherBook,
    CustomBook,
};

struct HintMatch
{
    int bytes = 0; // the length of the match in bytes; 0 when no book knows the text
    HintSource source = HintSource::CodeBook;
    QByteArray code; // the code shown: the short code, else the full code (none from the teacher's book)
};

// The longer match wins; at equal length the match found first keeps the hint.
HintMatch longerMatch(const HintMatch& found, const HintMatch& candidate);

// The hint for the text at the cursor: the matched word and its code, the word without a code, or,
// when no book matched, the first character without a code.
QString codeHintText(QByteArrayView window, const HintMatch& match);

// How many bytes of the article the hint looks at from the cursor: as many whole characters as the
// longest word of the book holds (at least one), or the rest of the article when fewer remain.
qsizetype hintWindowBytes(int maxWordBytes, qsizetype cursor, qsizetype articleCharacters);

} // namespace segmentation
