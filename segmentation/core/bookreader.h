// The one reader of the practice program's books: the code book (Durid.dat + index.dat), the
// teacher's book (zDurid.dat + indexz.dat) and the custom book (zdyDurid.dat + indexzdy.dat).
// Segmentation and code hints find words through it; nothing else reads the index files.
//
// The lookup rule. A book's index file holds one count per GBK cell (24066 unsigned 16-bit
// little-endian values, 48132 bytes, mapped read-only): count[c] is the number of rows of the book's
// word table (CiBiao, or ZDYBiao in the word books) that begin with the character of cell c. Those
// rows are the ones at the 0-based positions start .. start + count[c] - 1 of the table in natural
// order, where start = count[0] + ... + count[c - 1]; they come longest first, and among words of
// equal length in the order of the source file. A count of 0 means no word begins with the
// character. In the code book, row c of ZiBiao is the character of cell c itself.
//
// Usage, once per use of a book (nothing should keep a book open between commands):
//
//     BookOpenFailure failure;
//     auto book = BookReader::open(BookKind::Code, platform::programFolder(), &failure);
//     if (!book)
//         show(failure.message);                   // the message for the user, as it stands
//     for (const BookWord& word : book->wordsBeginningWith(window)) // longest first
//         if (window.startsWith(word.hz)) ...      // the first that fits is the longest match
//     const BookCharacter c = book->character(GbkCellIndex(lead, trail)); // code book only
//
// All texts come back as GBK bytes, as the article holds them.
#pragma once

#include "segmentation/core/bookfiles.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <memory>

namespace segmentation {

// True when a field read back holds the placeholder: compared as ASCII, with nothing allocated, as
// the segmentation asks for every position.
inline bool isPlaceholder(QByteArrayView field, QStringView placeholder)
{
    return QLatin1StringView(field) == placeholder;
}

// One row of a word table.
struct BookWord
{
    QByteArray hz;  // the word
    QByteArray srm; // its code (code book, custom book); empty in the teacher's book
    QByteArray jm;  // its short code or the placeholder "Jm" (code book); empty in the word books
    int length =
        0; // CiLength or cilength as stored: the word's characters (a damaged book may say otherwise)

    bool hasShortCode() const { return !jm.isEmpty() && !isPlaceholder(jm, kNoShortCode); }
    bool operator==(const BookWord&) const = default;
};

// A row of the code book's ZiBiao.
struct BookCharacter
{
    QByteArray hz;  // the character, or the placeholder "hz"
    QByteArray srm; // its code, or the placeholder "srm" when the code file lists no such character
    QByteArray jm;  // its short code, or the placeholder "Jm"

    bool hasCode() const { return !isPlaceholder(srm, kNoCode); }
    bool hasShortCode() const { return !isPlaceholder(jm, kNoShortCode); }
    bool operator==(const BookCharacter&) const = default;
};

inline constexpr const char* kIndexNotOpenedMessage = "不能打开idx文件";
inline constexpr const char* kIndexNotMappedMessage = "不能创建idx文件映射对象";
inline constexpr const char* kIndexDamagedMessage = "idx文件已损坏";

// Why a book could not be opened; message is what the user is told.
struct BookOpenFailure
{
    enum class Kind
    {
        IndexNotOpened,     // kIndexNotOpenedMessage
        IndexNotMapped,     // kIndexNotMappedMessage (an empty index cannot be mapped)
        IndexViewNotMapped, // kViewNotMappedMessage
        IndexDamaged,       // kIndexDamagedMessage: not 48132 bytes long
        DatabaseNotOpened,  // the database is missing, is not a book, or may not match its index; why
    };
    Kind kind = Kind::IndexNotOpened;
    QString message;
};

// When FileInfo's MaxCiLength cannot be read.
inline constexpr int kDefaultMaxWordBytes = 30;

class BookReader
{
public:
    // Settles what a cut-off build left (bookplacement.h), then maps the book's index file and opens
    // its database; nothing (and *failure set) when any of these fails.
    static std::unique_ptr<BookReader> open(BookKind kind, const QString& programFolder,
                                            BookOpenFailure* failure);
    ~BookReader();
    BookReader(const BookReader&) = delete;
    BookReader& operator=(const BookReader&) = delete;

    BookKind kind() const;
    // count[cell] and start, as the index file gives them (cell 0 to 24065).
    int wordCount(int cell) const;
    qint64 firstWordRow(int cell) const;

    // The rows of the words that begin with the text's first character, longest first; none when
    // the text does not begin with a double-byte GBK character or no word begins with it. A damaged
    // book gives what its word table holds at those positions, which may be fewer rows. Rows read
    // once are kept for the reader's lifetime. Throws platform::dao::DaoError when the database
    // cannot be read.
    const QList<BookWord>& wordsBeginningWith(QByteArrayView text);

    // The code book's ZiBiao row of a cell; the placeholders for a cell out of range or not in the
    // table, and in the word books. A row read once is kept for the reader's lifetime. Throws
    // platform::dao::DaoError when the database cannot be read.
    BookCharacter character(int cell);

    // The code book's MaxCiLength from FileInfo: the widest stretch of text, in bytes, that can match
    // a word; kDefaultMaxWordBytes when it cannot be read or is no whole number.
    int maxWordBytes();

private:
    BookReader();
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace segmentation
