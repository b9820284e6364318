// The input method's file formats: packed digit codes, GBK cells, the code file, the user word file
// and the teacher's word list. One reader and one writer per format, without widgets.
//
// Readers take a byte view (a QFile::map of the file will do) and never read outside it. They hand
// every entry, in file order, to a consumer and stop at the first damage, which they return as a
// FileProblem; the entries before it have been handed over. What the formats allow but a book may
// not hold (an empty word, a word longer than a text field, a text that begins with no GBK
// character) is read all the same and flagged on the entry as an Oddity, so each consumer decides
// whether to skip it; a list that stops without its closing empty line is flagged on the result.
// A consumer may throw to stop the reading: the readers hold nothing that needs releasing.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFlags>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace platform::codefile {

inline constexpr int kMaxCodeLength = 6;
inline constexpr int kPackedCodeSize = 3;
inline constexpr int kUserCodeFieldSize = 6;
inline constexpr int kGbkCellCount = 24066;
// The widest text a book's text field holds, in bytes.
inline constexpr int kMaxTextBytes = 50;

// Decodes 3 bytes of packed decimal (one digit a nibble, high nibble first) up to the first nibble
// above 9. Writes the digits and a terminating zero into `digits` (at least 7 bytes) and returns
// their count, 1 to 6; returns -1 and writes nothing when the first nibble is above 9.
int DecodePackedCode(const unsigned char* code, char* digits);
// The same for Qt callers: the digits, or nothing when the first nibble is above 9 or fewer than 3
// bytes are given.
std::optional<QByteArray> decodePackedCode(QByteArrayView packed);
// Packs one to six ASCII digits into 3 bytes; the nibbles after the last digit are 0xF.
QByteArray encodePackedCode(QByteArrayView digits);
// True for one to six ASCII digits.
bool isDigitCode(QByteArrayView code);

// The cell of a double-byte GBK character: (lead - 0x81) * 191 + (trail - 0x40), 0 to 24065 for
// lead 0x81..0xFE and trail 0x40..0xFE. No range check: callers pass double-byte characters
// (gbk::startsWithDoubleByteCharacter).
constexpr int GbkCellIndex(unsigned char lead, unsigned char trail)
{
    return lead * 191 + trail - 24703;
}

// What the formats allow but a book may not want.
enum class Oddity : unsigned char
{
    EmptyText = 0x1,       // a lone 0xFF in a word group: a word of no bytes
    LongerThanField = 0x2, // more than kMaxTextBytes bytes
    NoGbkCell = 0x4,       // does not begin with a double-byte GBK character, so it has no cell
};
Q_DECLARE_FLAGS(Oddities, Oddity)
// The oddities of a text as an entry of a book.
Oddities oddities(QByteArrayView text);

// What is wrong with a file, and where (a byte offset, or -1 when it is about the whole file).
struct FileProblem
{
    enum class Kind
    {
        Missing,
        Unreadable,
        TruncatedHeader, // shorter than the 32-byte header
        SectionsPastEnd, // the header's section lengths run past the end of the file
        TruncatedGroup,  // a code group runs past the end of its section without its closing 0xFF
        BadCode,         // a packed code whose first nibble is above 9
        TruncatedEntry,  // a user word entry cut off before its line end
        BadUserCode,     // a user word whose code text is not one to six digits
    };
    Kind kind = Kind::Missing;
    qint64 offset = -1;
    QString filePath;

    // One sentence for the user.
    QString describe() const;
};

struct ReadResult
{
    std::optional<FileProblem> problem; // the damage that stopped the reading
    // Where the reading ended: past the word section, or past a list's closing line (past the last
    // entry when that line is missing).
    qint64 end = 0;
    bool closingLineMissing = false; // a list ran to the end of the bytes without its closing line
    bool ok() const { return !problem; }
};

// --- The code file -------------------------------------------------------------------------------
// A 32-byte header whose 32-bit little-endian values at 0x10, 0x14, 0x18 and 0x1C are the lengths A
// and B of two stretches that follow it (not read) and C and D of the character and word sections
// after them. Each section is a run of groups: 3 bytes of packed code, then the group's entries.
// A character group holds two-byte characters up to a slot that begins with 0xFF; a word group
// holds words each ended by 0xFF, and a further 0xFF right after a word's 0xFF ends the group (a
// group of no words is its code and 0xFF 0xFF). Bytes after the word section are not read.

struct CodeFileHeader
{
    quint32 skippedA = 0;
    quint32 skippedB = 0;
    quint32 characterLength = 0;
    quint32 wordLength = 0;
    qint64 characterStart() const { return 0x20 + qint64(skippedA) + skippedB; }
    qint64 wordStart() const { return characterStart() + characterLength; }
    qint64 end() const { return wordStart() + wordLength; }
};

enum class Section
{
    Characters,
    Words
};

struct CodeGroup
{
    Section section = Section::Characters;
    int index = 0;             // 0-based within its section
    qint64 offset = 0;         // of its packed code
    QByteArrayView packedCode; // the 3 bytes
    QByteArrayView code;       // their digits
};

struct CodeFileEntry
{
    const CodeGroup& group;
    qint64 offset = 0;
    QByteArrayView text; // GBK: two bytes in the character section, a word in the word section
    Oddities oddities;
};

// Views in what a consumer is handed live until the call returns.
class CodeFileConsumer
{
public:
    virtual ~CodeFileConsumer() = default;
    virtual void header(const CodeFileHeader&) {}
    // Every group once, before its entries (a group may have none).
    virtual void group(const CodeGroup&) {}
    virtual void entry(const CodeFileEntry& entry) = 0;
};

ReadResult readCodeFile(QByteArrayView bytes, CodeFileConsumer& consumer);
ReadResult readCodeFile(QByteArrayView bytes, const std::function<void(const CodeFileEntry&)>& consumer);

struct CodeGroupContents
{
    QByteArray code;         // one to six digits
    QList<QByteArray> texts; // GBK; characters of two bytes, words of at least one byte and no 0xFF
};

struct CodeFileContents
{
    QByteArray signature; // the first 16 bytes, padded with zero bytes
    QByteArray skippedA;  // the two stretches that readers pass over
    QByteArray skippedB;
    QList<CodeGroupContents> characters; // groups in file order
    QList<CodeGroupContents> words;
};

QByteArray writeCodeFile(const CodeFileContents& contents);
// A code file around section bytes taken as they are, damaged ones included.
QByteArray assembleCodeFile(QByteArrayView signature, QByteArrayView skippedA, QByteArrayView skippedB,
                            QByteArrayView characterSection, QByteArrayView wordSection);

// --- The input method's user word file -----------------------------------------------------------
// Entries follow each other directly: a 6-byte code field, the word, CR LF. The list ends at the
// first entry whose second byte is LF (the closing empty line) or whose word is empty.

// The code text of a 6-byte code field: k = half the sum of the digit counts that its two 3-byte
// halves decode to (-1 for a half whose first nibble is above 9), then the first k bytes of the
// field, ending earlier at a zero byte. A negative k gives an empty text.
QByteArray userWordCodeText(QByteArrayView codeField);
// A code as the input method writes it into a field: ASCII digits padded with zero bytes.
QByteArray asciiCodeField(QByteArrayView digits);

struct UserWordEntry
{
    qint64 offset = 0;
    QByteArrayView codeField; // the 6 bytes
    QByteArray codeText;      // userWordCodeText(codeField)
    QByteArrayView word;      // never empty
    Oddities oddities;
};

// A field or line cut off before its CR LF is damage (TruncatedEntry).
ReadResult readUserWordFile(QByteArrayView bytes, const std::function<void(const UserWordEntry&)>& consumer);

struct UserWordContents
{
    QByteArray codeField; // at most 6 bytes, padded with zero bytes
    QByteArray word;      // GBK, not empty
};
QByteArray writeUserWordFile(const QList<UserWordContents>& words);

// --- The teacher's word list ---------------------------------------------------------------------
// GBK words, each line ended by CR LF; the list ends at the first line whose second byte is LF (the
// closing empty line). A last line without its CR LF is still a word.

struct WordListEntry
{
    qint64 offset = 0;
    QByteArrayView word; // never empty
    Oddities oddities;
};

ReadResult readWordList(QByteArrayView bytes, const std::function<void(const WordListEntry&)>& consumer);
QByteArray writeWordList(const QList<QByteArray>& words);

} // namespace platform::codefile

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::codefile::Oddities)
