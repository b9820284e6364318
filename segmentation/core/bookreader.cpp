#include "segmentation/core/bookreader.h"

#include "platform/codefile.h"
#include "platform/dao.h"
#include "platform/gbk.h"
#include "segmentation/core/bookplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <limits>
#include <vector>

namespace segmentation {

using platform::codefile::kGbkCellCount;
using platform::dao::DaoError;
using platform::dao::Database;
using platform::dao::Recordset;
using platform::dao::RecordsetType;

struct BookReader::Private
{
    BookKind kind = BookKind::Code;
    QFile index;
    const uchar* counts = nullptr; // the mapped index file
    std::vector<qint64> starts;    // start of every cell, and the sum of all counts at the end
    std::unique_ptr<Database> db;
    std::unique_ptr<Recordset> words;
    std::unique_ptr<Recordset> characters;
    QHash<int, QList<BookWord>> wordsByCell;
    QHash<int, BookCharacter> charactersByCell;
    std::optional<int> maxWordBytes;

    int count(int cell) const { return qFromLittleEndian<quint16>(counts + 2 * cell); }

    Recordset& recordset(std::unique_ptr<Recordset>& rs, const char* query)
    {
        if (!rs)
            rs = db->OpenRecordset(QLatin1String(query), RecordsetType::Dynaset);
        return *rs;
    }

    QList<BookWord> readWords(int cell)
    {
        QList<BookWord> result;
        const int n = count(cell);
        if (n == 0)
            return result;
        Recordset& rs =
            recordset(words, kind == BookKind::Code ? "select * from CiBiao" : "select * from ZDYBiao");
        if (rs.isEOF() && rs.isBOF())
            return result;
        rs.MoveFirst();
        // Counts of 24066 cells of at most 65535 each stay below 2^31.
        rs.Move(int(starts[std::size_t(cell)]));
        if (rs.isEOF())
            return result;
        // The words of a character lie together: they are read in one go, and the words turned into
        // GBK in one conversion.
        QStringList fields{QStringLiteral("cilength"), QStringLiteral("hz")};
        if (kind != BookKind::Teacher)
            fields << QStringLiteral("srm");
        if (kind == BookKind::Code)
            fields << QStringLiteral("Jm");
        StoredTexts hz;
        result.reserve(n);
        rs.readRows(n, fields, [&](const platform::dao::RowValues& row) {
            BookWord word;
            word.length = int(std::clamp<qint64>(row.integer(0), std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max()));
            hz.append(row.text(1));
            if (kind != BookKind::Teacher)
                word.srm = gbkBytesOfStored(row.text(2));
            if (kind == BookKind::Code)
                word.jm = gbkBytesOfStored(row.text(3));
            result.append(std::move(word));
        });
        const QList<QByteArray> words = hz.gbkBytes();
        for (qsizetype i = 0; i < result.size(); ++i)
            result[i].hz = words.at(i);
        return result;
    }
};

BookReader::BookReader() : d(std::make_unique<Private>()) {}

BookReader::~BookReader() = default;

std::unique_ptr<BookReader> BookReader::open(BookKind kind, const QString& programFolder,
                                             BookOpenFailure* failure)
{
    using Kind = BookOpenFailure::Kind;
    const BookFiles files = bookFiles(kind, programFolder);
    QString unsettled;
    if (!settleBook(files, &unsettled)) {
        *failure = {Kind::DatabaseNotOpened, unsettled};
        return nullptr;
    }
    std::unique_ptr<BookReader> reader(new BookReader);
    Private& d = *reader->d;
    d.kind = kind;
    d.index.setFileName(files.index);
    if (!QFileInfo(files.index).isFile() || !d.index.open(QIODevice::ReadOnly)) {
        *failure = {Kind::IndexNotOpened, QString::fromUtf8(kIndexNotOpenedMessage)};
        return nullptr;
    }
    const qint64 size = d.index.size();
    if (size == 0) {
        *failure = {Kind::IndexNotMapped, QString::fromUtf8(kIndexNotMappedMessage)};
        return nullptr;
    }
    if (size != kIndexFileBytes) {
        *failure = {Kind::IndexDamaged, QString::fromUtf8(kIndexDamagedMessage)};
        return nullptr;
    }
    d.counts = d.index.map(0, size);
    if (!d.counts) {
        *failure = {Kind::IndexViewNotMapped, QString::fromUtf8(kViewNotMappedMessage)};
        return nullptr;
    }
    d.starts.resize(std::size_t(kGbkCellCount) + 1);
    for (int cell = 0; cell < kGbkCellCount; ++cell)
        d.starts[std::size_t(cell) + 1] = d.starts[std::size_t(cell)] + d.count(cell);
    try {
        d.db = Database::open(files.database);
    } catch (const DaoError& error) {
        *failure = {Kind::DatabaseNotOpened, QString::fromUtf8(error.what())};
        return nullptr;
    }
    return reader;
}

BookKind BookReader::kind() const
{
    return d->kind;
}

int BookReader::wordCount(int cell) const
{
    Q_ASSERT(cell >= 0 && cell < kGbkCellCount);
    return d->count(cell);
}

qint64 BookReader::firstWordRow(int cell) const
{
    Q_ASSERT(cell >= 0 && cell < kGbkCellCount);
    return d->starts[std::size_t(cell)];
}

const QList<BookWord>& BookReader::wordsBeginningWith(QByteArrayView text)
{
    static const QList<BookWord> none;
    if (!platform::gbk::startsWithDoubleByteCharacter(text))
        return none;
    const int cell = platform::codefile::GbkCellIndex(text[0], text[1]);
    auto it = d->wordsByCell.find(cell);
    if (it == d->wordsByCell.end())
        it = d->wordsByCell.insert(cell, d->readWords(cell));
    return it.value();
}

BookCharacter BookReader::character(int cell)
{
    static const BookCharacter none{kNoCharacter.toLatin1(), kNoCode.toLatin1(), kNoShortCode.toLatin1()};
    if (d->kind != BookKind::Code || cell < 0 || cell >= kGbkCellCount)
        return none;
    if (const auto known = d->charactersByCell.constFind(cell); known != d->charactersByCell.cend())
        return *known;
    Recordset& rs = d->recordset(d->characters, "select * from ZiBiao");
    BookCharacter row = none;
    if (!(rs.isEOF() && rs.isBOF())) {
        rs.MoveFirst();
        rs.Move(cell);
        if (!rs.isEOF())
            row = {gbkBytes(rs.text(QStringLiteral("hz"))), gbkBytes(rs.text(QStringLiteral("srm"))),
                   gbkBytes(rs.text(QStringLiteral("Jm")))};
    }
    d->charactersByCell.insert(cell, row);
    return row;
}

int BookReader::maxWordBytes()
{
    if (!d->maxWordBytes) {
        d->maxWordBytes = kDefaultMaxWordBytes;
        try {
            auto info =
                d->db->OpenRecordset(QStringLiteral("select * from FileInfo"), RecordsetType::Dynaset);
            bool ok = false;
            const int value = info->text(QStringLiteral("MaxCiLength")).toInt(&ok);
            if (ok)
                d->maxWordBytes = value;
        } catch (const DaoError&) {
        }
    }
    return *d->maxWordBytes;
}

} // namespace segmentation
