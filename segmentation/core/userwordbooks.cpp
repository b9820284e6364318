#include "segmentation/core/userwordbooks.h"

#include "platform/codefile.h"
#include "platform/dao.h"
#include "segmentation/core/bookwriting.h"

namespace segmentation {
namespace {

using namespace platform::codefile;
using platform::dao::Database;
using platform::dao::Recordset;
using platform::dao::RecordsetType;

// Writes ZDYtemBiao in file order; the custom book's rows carry a code.
class StagingWriter
{
public:
    StagingWriter(Database& db, ProgressCounter& progress, BuildReport& report)
        : m_progress(progress), m_report(report),
          m_staging(db.OpenRecordset(QStringLiteral("select * from ZDYtemBiao"), RecordsetType::Dynaset))
    {
    }

    void add(QByteArrayView word, Oddities oddities, const std::optional<QString>& code = std::nullopt)
    {
        m_progress.count();
        const std::optional<QString> text = acceptedText(word, oddities, m_report.skipped);
        if (!text)
            return;
        m_staging->AddNew();
        m_staging->setField(QStringLiteral("hz"), *text);
        if (code)
            m_staging->setField(QStringLiteral("srm"), *code);
        m_staging->setField(QStringLiteral("first"), text->left(1));
        m_staging->setField(QStringLiteral("firstzi"), firstziKey(static_cast<unsigned char>(word[0]),
                                                                  static_cast<unsigned char>(word[1])));
        m_staging->setField(QStringLiteral("ID"), ++m_report.words);
        m_staging->setField(QStringLiteral("cilength"), int(word.size()) / 2);
        m_staging->Update();
    }

private:
    ProgressCounter& m_progress;
    BuildReport& m_report;
    std::unique_ptr<Recordset> m_staging;
};

// ZDYBiao in first-character order, counting the words of each first character as it goes.
QList<quint16> writeSortedWords(Database& db, ProgressCounter& progress, bool withCode)
{
    auto sorted =
        db.OpenRecordset(QStringLiteral("select * from ZDYtemBiao Order by firstzi ASC,ciLength DESC"),
                         RecordsetType::Dynaset);
    auto words = db.OpenRecordset(QStringLiteral("select * from ZDYBiao"), RecordsetType::Dynaset);
    RunCounter runs;
    int id = 0;
    for (; !sorted->isEOF(); sorted->MoveNext()) {
        progress.count();
        const int key = sorted->field(QStringLiteral("firstzi")).toInt();
        const QString first = sorted->text(QStringLiteral("first"));
        words->AddNew();
        words->setField(QStringLiteral("cilength"), sorted->field(QStringLiteral("cilength")));
        words->setField(QStringLiteral("hz"), sorted->field(QStringLiteral("hz")));
        if (withCode)
            words->setField(QStringLiteral("srm"), sorted->field(QStringLiteral("srm")));
        words->setField(QStringLiteral("first"), first);
        words->setField(QStringLiteral("firstzi"), key);
        words->setField(QStringLiteral("ID"), ++id);
        words->Update();
        progress.count();
        // Every stored word begins with a double-byte character, whose key holds its two bytes.
        runs.add(GbkCellIndex((key >> 8) & 0xFF, key & 0xFF), first);
    }
    return runs.finish();
}

} // namespace

int firstziKey(unsigned char lead, unsigned char trail)
{
    const auto widened = static_cast<quint16>(static_cast<qint16>(static_cast<qint8>(lead)));
    return int((quint32(widened) * 256) ^ trail);
}

BuildReport BuildUserWordBook(const QString& programFolder, const ProgressStep& step)
{
    return buildBook(
        BookKind::Teacher, programFolder, programFolder + QLatin1String(kTeacherWordListName),
        QString::fromUtf8(kUserWordFileNotOpenedMessage),
        [](Database& db, QByteArrayView source, ProgressCounter& progress, BuildReport& report) {
            {
                StagingWriter staging(db, progress, report);
                const ReadResult read = readWordList(
                    source, [&](const WordListEntry& entry) { staging.add(entry.word, entry.oddities); });
                report.closingLineMissing = read.closingLineMissing;
            }
            return writeSortedWords(db, progress, false);
        },
        step);
}

BuildReport BuildCustomCodeBook(const QString& programFolder, const QString& systemFolder, int edition,
                                const ProgressStep& step)
{
    const QString sourcePath = systemFolder + userWordFileNameForEdition(edition);
    return buildBook(
        BookKind::Custom, programFolder, sourcePath, QString::fromUtf8(kUserWordFileNotOpenedMessage),
        [&](Database& db, QByteArrayView source, ProgressCounter& progress, BuildReport& report) {
            {
                StagingWriter staging(db, progress, report);
                ReadResult read = readUserWordFile(source, [&](const UserWordEntry& entry) {
                    staging.add(entry.word, entry.oddities, bookText(entry.codeText));
                });
                if (!read.ok()) {
                    read.problem->filePath = sourcePath;
                    throw BuildStopped{{BuildFailure::Kind::SourceDamaged, read.problem->describe()}};
                }
            }
            return writeSortedWords(db, progress, true);
        },
        step);
}

} // namespace segmentation
