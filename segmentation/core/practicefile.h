// Practice files ("*.sav"): a segmented article saved so that it opens again without the code book.
// Four lines, each ended by CR LF: the segmentation pattern, the short-code pattern, figures 9, 6, 7
// and 8 as decimal numbers joined by TABs, and the text. Figures 0 to 5 are not stored; the reader
// counts them from the text and the segmentation pattern.
#pragma once

#include "segmentation/core/article.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace segmentation {

inline constexpr QLatin1StringView kPracticeFileExtension(".sav");
// Far more than the largest practice file (three lines of at most 20000 bytes and the figures); a
// reader looks at no more than this.
inline constexpr qint64 kMaxPracticeFileBytes = 1 << 20;

// The file a practice file chosen under this name is written to: ".sav" is appended in every case.
QString practiceFilePath(const QString& chosenPath);

// The file's four lines for the article, each ended by LF (a text-mode write makes it CR LF).
QByteArray practiceFileText(const Article& article);
// Writes the file in text mode, whole or not at all (see writeTextFile). False, with the reason in
// *error, when it could not be written.
bool writePracticeFile(const QString& path, const Article& article, QString* error = nullptr);

// Why bytes are no practice file.
enum class PracticeFileProblem
{
    None,
    PatternTooLong, // a pattern line holds more than 20000 bytes
    MissingLines,   // fewer than three ended lines before the text
    NotPatterns,    // line 1 is not of '0' and '1', or line 2 not of '0', '1' and '4'
    BadFigures,     // line 3 is not four counts (whole numbers, not negative) joined by TABs
    NoText,         // no double-byte character after line 3
    LengthMismatch, // a pattern has not one digit for each character of the text
    TooManySymbols, // more symbols than one-character words
};

struct PracticeFileRead
{
    Article article; // filled only when problem is None
    PracticeFileProblem problem = PracticeFileProblem::None;
    bool ok() const { return problem == PracticeFileProblem::None; }
};

// Reads a practice file's bytes. The text is taken as every article file's text is (double-byte
// characters only, at most 20000 bytes); figures 1 to 5 are the runs of line 1, figure 5 less the
// symbols, and figure 0 is the number of characters. Lines may end in CR LF or in LF alone. The
// figures must be counts that fit the article.
PracticeFileRead readPracticeFile(QByteArrayView bytes);

// What the user is told about a problem.
QString practiceFileProblemText(PracticeFileProblem problem);

} // namespace segmentation
