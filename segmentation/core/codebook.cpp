#include "segmentation/core/codebook.h"

#include "platform/codefile.h"
#include "platform/dao.h"
#include "platform/transaction.h"
#include "segmentation/core/bookplacement.h"
#include "segmentation/core/booktables.h"
#include "segmentation/core/bookwriting.h"

#include <QFileInfo>

namespace segmentation {
namespace {

using namespace platform::codefile;
using platform::dao::DaoError;
using platform::dao::Database;
using platform::dao::Recordset;
using platform::dao::RecordsetType;

struct CharacterRow
{
    QString hz = kNoCharacter.toString();
    QString srm = kNoCode.toString();
    QString jm = kNoShortCode.toString();
};

// An entry the book can hold, kept until the whole file has been read.
struct Entry
{
    QByteArray bytes;
    QString code;
    bool shortCode = false;
};

// Takes the code file's entries as the reader hands them; once the file has been read whole, turns
// their texts into the book's in one go and writes the book's tables.
class CodeBookWriter : public CodeFileConsumer
{
public:
    CodeBookWriter(Database& db, ProgressCounter& progress, BuildReport& report)
        : m_db(db), m_progress(progress), m_report(report)
    {
    }

    void group(const CodeGroup& group) override
    {
        if (group.section == Section::Characters)
            m_progress.count();
        m_code = QString::fromLatin1(group.code);
        m_shortCode = group.code.size() <= kMaxShortCodeLength;
    }

    void entry(const CodeFileEntry& entry) override
    {
        const bool character = entry.group.section == Section::Characters;
        if (character)
            m_progress.count();
        if (acceptable(entry.oddities, m_report.skipped))
            (character ? m_characters : m_words).append({entry.text.toByteArray(), m_code, m_shortCode});
    }

    // After the last entry: every table, and the counts of the index file.
    QList<quint16> finish(const FileInfoTexts& shown)
    {
        QList<QByteArray> bytes;
        bytes.reserve(m_characters.size() + m_words.size());
        for (const QList<Entry>* entries : {&m_characters, &m_words}) {
            for (const Entry& entry : *entries)
                bytes.append(entry.bytes);
        }
        const QList<std::optional<QString>> texts = storableTexts(bytes);
        writeCharacters(texts);
        writeWords(texts.mid(m_characters.size()));
        const QList<quint16> counts = writeSortedWords();
        auto info = m_db.OpenRecordset(QStringLiteral("select * from FileInfo"), RecordsetType::Dynaset);
        info->AddNew();
        info->setField(QStringLiteral("FileTime"), shown.time);
        info->setField(QStringLiteral("FileSize"), shown.size);
        info->setField(QStringLiteral("MaxCiLength"), QString::number(m_maxWordBytes));
        info->Update();
        return counts;
    }

private:
    // One row per cell; a later group of the file gives a character its full code, while a short
    // code the file listed first stays in Jm.
    void writeCharacters(const QList<std::optional<QString>>& texts)
    {
        QList<CharacterRow> rows(kGbkCellCount);
        for (qsizetype i = 0; i < m_characters.size(); ++i) {
            const Entry& entry = m_characters.at(i);
            if (!texts.at(i)) {
                ++m_report.skipped.unstorable;
                continue;
            }
            CharacterRow& row = rows[GbkCellIndex(entry.bytes[0], entry.bytes[1])];
            row.hz = *texts.at(i);
            row.srm = entry.code;
            if (entry.shortCode)
                row.jm = entry.code;
        }
        auto table = m_db.OpenRecordset(QStringLiteral("select * from ZiBiao"), RecordsetType::Dynaset);
        for (int cell = 0; cell < kGbkCellCount; ++cell) {
            m_progress.count();
            const CharacterRow& row = rows.at(cell);
            table->AddNew();
            table->setField(QStringLiteral("hz"), row.hz);
            table->setField(QStringLiteral("srm"), row.srm);
            table->setField(QStringLiteral("Jm"), row.jm);
            table->setField(QStringLiteral("ID"), cell + 1);
            table->Update();
        }
    }

    // CitemBiao in file order, and CiJmBiao for the words with short codes.
    void writeWords(const QList<std::optional<QString>>& texts)
    {
        auto staging = m_db.OpenRecordset(QStringLiteral("select * from CitemBiao"), RecordsetType::Dynaset);
        auto shortWords =
            m_db.OpenRecordset(QStringLiteral("select * from CiJmBiao"), RecordsetType::Dynaset);
        int shortWordCount = 0;
        for (qsizetype i = 0; i < m_words.size(); ++i) {
            m_progress.count();
            const Entry& word = m_words.at(i);
            if (!texts.at(i)) {
                ++m_report.skipped.unstorable;
                continue;
            }
            const QString& text = *texts.at(i);
            const int length = int(word.bytes.size()) / 2;
            if (word.shortCode) {
                shortWords->AddNew();
                shortWords->setField(QStringLiteral("hz"), text);
                shortWords->setField(QStringLiteral("srm"), word.code);
                shortWords->setField(QStringLiteral("ID"), ++shortWordCount);
                shortWords->setField(QStringLiteral("CiLength"), QString::number(length));
                shortWords->Update();
            }
            const auto lead = static_cast<unsigned char>(word.bytes[0]);
            const auto trail = static_cast<unsigned char>(word.bytes[1]);
            staging->AddNew();
            staging->setField(QStringLiteral("hz"), text);
            staging->setField(QStringLiteral("srm"), word.code);
            staging->setField(QStringLiteral("Jm"), word.shortCode ? word.code : kNoShortCode.toString());
            staging->setField(QStringLiteral("ID"), ++m_report.words);
            staging->setField(QStringLiteral("firstzi"), text.left(1));
            staging->setField(QStringLiteral("first"), lead * 256 + trail);
            staging->setField(QStringLiteral("CiLength"), length);
            staging->setField(QStringLiteral("ZDY"), 0);
            staging->Update();
            m_maxWordBytes = std::max(m_maxWordBytes, int(word.bytes.size()));
        }
    }

    // CiBiao in first-character order and, in the same walk, one CiidBiao row per first character.
    QList<quint16> writeSortedWords()
    {
        auto sorted =
            m_db.OpenRecordset(QStringLiteral("select * from CitemBiao Order by first ASC,CiLength DESC"),
                               RecordsetType::Dynaset);
        auto words = m_db.OpenRecordset(QStringLiteral("select * from CiBiao"), RecordsetType::Dynaset);
        auto firsts = m_db.OpenRecordset(QStringLiteral("select * from CiidBiao"), RecordsetType::Dynaset);
        RunCounter runs([&](const RunCounter::Run& run) {
            firsts->AddNew();
            firsts->setField(QStringLiteral("iid"), run.number);
            firsts->setField(QStringLiteral("hz"), run.character);
            firsts->setField(QStringLiteral("ID"), run.cell);
            firsts->setField(QStringLiteral("nci"), run.length);
            firsts->Update();
        });
        int id = 0;
        for (; !sorted->isEOF(); sorted->MoveNext()) {
            m_progress.count();
            const int first = sorted->field(QStringLiteral("first")).toInt();
            const QString firstCharacter = sorted->text(QStringLiteral("firstzi"));
            words->AddNew();
            words->setField(QStringLiteral("hz"), sorted->field(QStringLiteral("hz")));
            words->setField(QStringLiteral("Jm"), sorted->field(QStringLiteral("Jm")));
            words->setField(QStringLiteral("CiLength"), sorted->field(QStringLiteral("CiLength")));
            words->setField(QStringLiteral("srm"), sorted->field(QStringLiteral("srm")));
            words->setField(QStringLiteral("first"), first);
            words->setField(QStringLiteral("firstzi"), firstCharacter);
            words->setField(QStringLiteral("ZDY"), sorted->field(QStringLiteral("ZDY")));
            words->setField(QStringLiteral("ID"), ++id);
            words->Update();
            m_progress.count();
            runs.add(GbkCellIndex(first >> 8, first & 0xFF), firstCharacter);
        }
        return runs.finish();
    }

    Database& m_db;
    ProgressCounter& m_progress;
    BuildReport& m_report;
    QList<Entry> m_characters;
    QList<Entry> m_words;
    QString m_code;
    bool m_shortCode = false;
    int m_maxWordBytes = 0;
};

} // namespace

FileInfoTexts codeFileInfoTexts(const QString& codeFilePath)
{
    const QFileInfo file(codeFilePath);
    if (!file.exists())
        return {QString::fromUtf8(kNoCodeFileTime), QString()};
    const QDateTime created = file.birthTime().isValid() ? file.birthTime() : file.lastModified();
    return {created.toLocalTime().toString(QStringLiteral("yyyy年MM月dd日 HH:mm:ss")),
            QString::number(file.size() / 1024) + u'K'};
}

std::optional<FileInfoTexts> readBookInfo(const QString& programFolder)
{
    if (!hasWholeBook(BookKind::Code, programFolder))
        return std::nullopt;
    try {
        auto db = Database::open(bookFiles(BookKind::Code, programFolder).database);
        auto info = db->OpenRecordset(QStringLiteral("select * from FileInfo"), RecordsetType::Dynaset);
        return FileInfoTexts{info->text(QStringLiteral("FileTime")), info->text(QStringLiteral("FileSize"))};
    } catch (const DaoError&) {
        return std::nullopt;
    }
}

BuildReport RebuildCodeBook(const QString& programFolder, const QString& codeFilePath,
                            const FileInfoTexts& shown, const ProgressStep& step)
{
    return buildBook(
        BookKind::Code, programFolder, codeFilePath, QString::fromUtf8(kCodeFileNotOpenedMessage),
        [&](Database& db, QByteArrayView source, ProgressCounter& progress, BuildReport& report) {
            CodeBookWriter writer(db, progress, report);
            ReadResult read = readCodeFile(source, writer);
            if (!read.ok()) {
                read.problem->filePath = codeFilePath;
                throw BuildStopped{{BuildFailure::Kind::SourceDamaged, read.problem->describe()}};
            }
            return writer.finish(shown);
        },
        step);
}

} // namespace segmentation
