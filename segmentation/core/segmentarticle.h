// The segmentation of an article by forward maximum matching: from the start of the text, the longest
// word of the code book (and, when asked, of the teacher's and the custom word book) that the text
// begins with is one segment, and the text goes on after it; a character that begins no word is a
// segment of its own. The segments give the article's two patterns and its figures.
//
// A matcher reports a segment as an int, its segment result: 0 when no book knows the character at
// the position, otherwise the length of the matched word in bytes, multiplied by kShortCodeFactor when
// the code book enters it by a short code. A result above the book's MaxCiLength (the longest word in
// bytes) is therefore a short-code one; a short-code result is at least 80, so the encoding holds for
// any MaxCiLength from 2 to 79, and a book whose MaxCiLength lies outside is refused as damaged.
#pragma once

#include "segmentation/core/article.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace segmentation {

class BookReader;

inline constexpr int kShortCodeFactor = 40;
// The match (its bytes) of a word book whose row says a word is longer than any can be.
inline constexpr int kDamagedWordBook = -10;
inline constexpr int kFewestWordBytesAllowed = 2;
inline constexpr int kMostWordBytesAllowed = 79;

inline constexpr const char* kCustomBookMissingMessage = "找不到自定义码本文件，请升级自定义码本！";
inline constexpr const char* kWordBookDamagedMessage = "文件被损坏";

// What a book knows of the text a window begins with; the segmentation and the code hint both ask.
struct BookMatch
{
    int bytes = 0;               // the match's length; 0 when the book knows nothing the window begins with
    bool fromCharacters = false; // the code book's character table matched, no word
    bool shortCode = false;      // the code book enters it by a short code
    QByteArray code;             // what is typed: the short code where there is one, else the full code
};

// The longest word of the code book that the window begins with, else the window's first character
// when the book gives it a code.
BookMatch matchCodeBook(BookReader& codeBook, QByteArrayView window);
// The longest word of a word book that the window begins with (no short codes; no code in the
// teacher's book). bytes is kDamagedWordBook when a row on the way says a word has more characters
// than maxCiLength or fewer than none.
BookMatch matchWordBook(BookReader& wordBook, QByteArrayView window, int maxCiLength);

// matchCodeBook as a segment result; adds its keystrokes to statistic 9 and counts a short-code word
// (7) or character (6).
int MatchWord(BookReader& codeBook, QByteArrayView window, ArticleStatistics& statistics);
// matchWordBook as a segment result. Word books add no figures.
int MatchCustomWord(BookReader& wordBook, QByteArrayView window, int maxCiLength);

// What the segmentation asks of the window that runs it.
class SegmentationHost
{
public:
    virtual ~SegmentationHost() = default;
    // The plain message box (no owner, the system's caption).
    virtual void plainMessage(const QString& text) = 0;
    // The program's own message box.
    virtual void message(const QString& text) = 0;
    // The custom book is wanted and missing, and the user has been told: runs the custom upgrade.
    // False when the user left it without building.
    virtual bool upgradeCustomBook() = 0;
    // The progress bar: shown on minimum..maximum, moved on after each segment, hidden at the end.
    virtual void showProgress(int minimum, int maximum) = 0;
    virtual void setProgress(int position) = 0;
    virtual void hideProgress() = 0;
};

struct SegmentationOptions
{
    QString programFolder; // ends in '/'
    bool symbolsFiltered =
        true; // the filter box: a character no book knows is then a single character, else a symbol
    bool teacher = false;    // the teacher switch: the teacher's book takes part
    bool customBook = false; // the custom book takes part
};

struct Segmentation
{
    enum class End
    {
        Finished,
        // An index file could not be used: the article is handed over all the same. Its patterns
        // cover the whole text, the part not reached as one-character segments; its figures count
        // what was reached, and statistic 0 the whole text.
        EndedEarly,
        // The code book is damaged or the custom book stayed missing: nothing is to be handed over.
        Abandoned,
    };
    End end = End::Finished;
    Article article;
};

// Segments the text (GBK double-byte characters) with the books of the program folder, telling the
// host what went wrong on the way.
Segmentation SegmentArticle(const QByteArray& text, const SegmentationOptions& options,
                            SegmentationHost& host);

} // namespace segmentation
