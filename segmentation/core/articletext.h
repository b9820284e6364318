// How a text file becomes the text of a practice article: only its double-byte characters are kept,
// at most 20000 bytes of them, a UTF-8 file being turned into GBK first; and the filter that takes
// the listed symbols out before the segmentation.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace segmentation {

// The most bytes (10000 characters) an article holds.
inline constexpr qsizetype kMaxArticleBytes = 20000;
// An article needs more bytes than this to be worth practising.
inline constexpr qsizetype kFewestArticleBytes = 20;
// How much of a file is read at most: far more than 20000 bytes of text take even as UTF-8 with
// blanks and line ends between them, and little enough that a huge file is never loaded whole.
inline constexpr qint64 kArticleFileHeadBytes = 4 * 1024 * 1024;

inline constexpr const char* kTooFewCharactersMessage = "此文章中汉字太少，不适宜用于练习！";
inline constexpr const char* kNotATextFileMessage = "此文件不是文本文件，不能导入！";
// What the import and the practice-file dialog say to OK before a file has been chosen.
inline constexpr const char* kNoFileChosenMessage = "请先选择文件再导入";

// The double-byte walk over GBK bytes: a lead byte and the trail byte after it are kept together,
// every other byte is dropped, until the text holds maxBytes (an even number). A lead byte without a
// trail byte after it (the last byte, or one before a line end) is dropped like a single byte, so the
// text never holds a pair that is no character.
QByteArray takeDoubleByteCharacters(QByteArrayView gbk, qsizetype maxBytes = kMaxArticleBytes);

// The article text of a file's first bytes (wholeFile: they are all of it). UTF-8 (with its mark, or
// valid and holding non-ASCII bytes) is turned into GBK, where characters GBK cannot hold drop out.
QByteArray articleTextFromFileHead(QByteArrayView head, bool wholeFile);

struct ArticleFileText
{
    enum class Outcome
    {
        Read,
        Unreadable, // the file cannot be opened or read; error says why
        NotText,    // zero bytes: a binary file (or UTF-16) rather than text
    };
    Outcome outcome = Outcome::Unreadable;
    QByteArray text; // when Read; may be too short for practice
    QString error;   // a sentence for the user when not Read
};

ArticleFileText readArticleFile(const QString& path);
ArticleFileText readArticleFile(QIODevice& file);

// True when the text holds enough characters to practise on.
bool isLongEnoughForPractice(QByteArrayView text);

// The text without the characters that occur, as whole characters, in symbols (two bytes each).
QByteArray removeFilterSymbols(QByteArrayView text, QByteArrayView symbols);

} // namespace segmentation
