#include "segmentation/core/bookwriting.h"

#include "platform/transaction.h"
#include "segmentation/core/bookplacement.h"
#include "segmentation/core/booktables.h"

#include <QSqlQuery>
#include <limits>

namespace segmentation {

using platform::codefile::Oddity;

bool acceptable(platform::codefile::Oddities oddities, SkippedEntries& skipped)
{
    if (oddities.testFlag(Oddity::EmptyText)) {
        ++skipped.empty;
        return false;
    }
    if (oddities.testFlag(Oddity::NoGbkCell)) {
        ++skipped.noCharacter;
        return false;
    }
    if (oddities.testFlag(Oddity::LongerThanField)) {
        ++skipped.tooLong;
        return false;
    }
    return true;
}

std::optional<QString> acceptedText(QByteArrayView bytes, platform::codefile::Oddities oddities,
                                    SkippedEntries& skipped)
{
    if (!acceptable(oddities, skipped))
        return std::nullopt;
    std::optional<QString> text = storableText(bytes);
    if (!text)
        ++skipped.unstorable;
    return text;
}

void RunCounter::add(int cell, const QString& character)
{
    if (m_run.length > 0 && cell != m_run.cell)
        endRun();
    if (m_run.length == 0) {
        m_run.cell = cell;
        m_run.character = character;
    }
    ++m_run.length;
}

void RunCounter::endRun()
{
    if (m_run.length > std::numeric_limits<quint16>::max())
        throw BuildStopped{
            {BuildFailure::Kind::SourceDamaged, QStringLiteral("以“%1”开头的词多于%2个，码本记不下。")
                                                    .arg(m_run.character)
                                                    .arg(std::numeric_limits<quint16>::max())}};
    ++m_run.number;
    m_counts[m_run.cell] = quint16(m_run.length);
    if (m_runEnded)
        m_runEnded(m_run);
    m_run.length = 0;
}

QList<quint16> RunCounter::finish()
{
    if (m_run.length > 0)
        endRun();
    return m_counts;
}

BuildReport buildBook(BookKind kind, const QString& programFolder, const QString& sourcePath,
                      const QString& openFailureMessage, const FillBook& fill, const ProgressStep& step)
{
    BuildReport report;
    BuildFailure failure;
    const auto source = MappedSource::open(sourcePath, openFailureMessage, &failure);
    if (!source) {
        report.failure = failure;
        return report;
    }
    QString error;
    const auto staged = StagedBook::begin(bookFiles(kind, programFolder), &error);
    if (!staged) {
        report.failure = BuildFailure{BuildFailure::Kind::BookNotWritten, error};
        return report;
    }
    ProgressCounter progress(step);
    try {
        QList<quint16> counts;
        {
            const auto db = createBookDatabase(kind, staged->databasePath());
            // A new book is no live file until it is put in place, and a build that fails throws it
            // away: it needs no journal, and it reaches the disk once, before it is put in place.
            QSqlQuery(db->connection()).exec(QStringLiteral("PRAGMA journal_mode = OFF"));
            QSqlQuery(db->connection()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
            platform::dao::TransactionGuard guard(db->connection());
            counts = fill(*db, source->bytes(), progress, report);
            guard.commit();
        }
        if (!staged->writeIndex(counts, &error) || !staged->putInPlace(&error))
            report.failure = BuildFailure{BuildFailure::Kind::BookNotWritten, error};
    } catch (const BuildStopped& stopped) {
        report.failure = stopped.failure;
    } catch (const platform::dao::DaoError& error) {
        report.failure =
            BuildFailure{BuildFailure::Kind::BookNotWritten,
                         QStringLiteral("不能写入码本：%1").arg(QString::fromUtf8(error.what()))};
    }
    return report;
}

} // namespace segmentation
