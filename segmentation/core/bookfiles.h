// The practice program's books as files: their names, where they live, the placeholders their
// fields hold, the first-character index layout, and the one place where their texts change
// between the GBK bytes the formats count and the UTF-8 text the databases store.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace segmentation {

// The code book built from the input method's code file, the teacher's word book built from the
// teacher's list, and the custom word book built from the input method's user word file.
enum class BookKind
{
    Code,
    Teacher,
    Custom,
};

struct BookFiles
{
    QString database;
    QString index;
};

// The book's database and index file in the program folder (which ends in '/').
BookFiles bookFiles(BookKind kind, const QString& programFolder);

inline constexpr const char* kCodeBookDatabaseName = "Durid.dat";
inline constexpr const char* kCodeBookIndexName = "index.dat";
inline constexpr const char* kTeacherBookDatabaseName = "zDurid.dat";
inline constexpr const char* kTeacherBookIndexName = "indexz.dat";
inline constexpr const char* kCustomBookDatabaseName = "zdyDurid.dat";
inline constexpr const char* kCustomBookIndexName = "indexzdy.dat";
inline constexpr const char* kTeacherWordListName = "usercibiao.TXT";

// The input method's files in the system folder. The edition value is the setting's: 0 the
// standard edition, 1 the simple edition.
inline constexpr const char* kCodeFileName = "orvesk.mb";
// The code file whose date and size the upgrade dialog shows for an edition; the book is always
// built from kCodeFileName.
QString codeFileNameForEdition(int edition);
// The user word file the custom book is built from for an edition.
QString userWordFileNameForEdition(int edition);

// A field without a value of its own holds its own name; readers compare with these exactly.
inline constexpr QStringView kNoCharacter = u"hz";
inline constexpr QStringView kNoCode = u"srm";
inline constexpr QStringView kNoShortCode = u"Jm";
// A code of this many digits or fewer is a short code.
inline constexpr int kMaxShortCodeLength = 2;

// What the user is told when a mapped file (a builder's source, a reader's index) cannot be read.
inline constexpr const char* kViewNotMappedMessage = "不能映射地址空间";

// The first-character index: one unsigned 16-bit little-endian count per GBK cell, in cell order,
// no header.
inline constexpr int kIndexFileBytes = 24066 * 2;
QByteArray indexFileBytes(const QList<quint16>& counts);

// The boundary between the formats and the databases: a book stores the text of GBK bytes, and a
// reader turns the stored text back into those bytes. A builder stores only storableText: nothing
// when the bytes are no GBK text that would read back as they were.
QString bookText(QByteArrayView gbk);
QByteArray gbkBytes(const QString& text);
std::optional<QString> storableText(QByteArrayView gbk);
// The same for a whole build's texts, in two conversions instead of two for every text.
QList<std::optional<QString>> storableTexts(const QList<QByteArray>& texts);
// The bytes of a text as the database holds it, in UTF-8.
QByteArray gbkBytesOfStored(QByteArrayView utf8);
// Many stored texts gathered to be turned into their bytes in one conversion, not one each.
class StoredTexts
{
public:
    void append(QByteArrayView utf8);
    // In the order appended.
    QList<QByteArray> gbkBytes() const;

private:
    QByteArray m_joined;
    QList<qsizetype> m_ends;
};

} // namespace segmentation
