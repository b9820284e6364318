// The builders' common steps (inside the core): which source entries a book takes, how the runs of
// words that share a first character become the index counts, and the frame of one build.
#pragma once

#include "platform/codefile.h"
#include "platform/dao.h"
#include "segmentation/core/bookbuild.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace segmentation {

// Thrown inside a build to stop it with this failure.
struct BuildStopped
{
    BuildFailure failure;
};

// Whether a book can hold an entry with these oddities; what it cannot is counted in skipped.
bool acceptable(platform::codefile::Oddities oddities, SkippedEntries& skipped);
// The text to store for an entry, or nothing (counted in skipped) when the book cannot hold it.
std::optional<QString> acceptedText(QByteArrayView bytes, platform::codefile::Oddities oddities,
                                    SkippedEntries& skipped);

// Walks a word table in its sorted order and counts the rows of each first character.
class RunCounter
{
public:
    struct Run
    {
        int number = 0; // from 1
        int cell = 0;
        int length = 0;
        QString character;
    };
    // Called as each run ends.
    explicit RunCounter(std::function<void(const Run&)> runEnded = {}) : m_runEnded(std::move(runEnded)) {}

    // The next row, with its first character's cell and text.
    void add(int cell, const QString& character);
    // Ends the last run; one count per GBK cell. Throws BuildStopped when a cell has more words than
    // the index can count.
    QList<quint16> finish();

private:
    void endRun();
    std::function<void(const Run&)> m_runEnded;
    QList<quint16> m_counts = QList<quint16>(platform::codefile::kGbkCellCount, 0);
    Run m_run;
};

// Fills the new book's database from the mapped source, inside one transaction, and gives the counts
// of its index file.
using FillBook = std::function<QList<quint16>(platform::dao::Database& db, QByteArrayView source,
                                              ProgressCounter& progress, BuildReport& report)>;

// Maps the source, creates the new book beside the old one, fills it and puts it in place. Whatever
// stops it (a source that cannot be mapped, BuildStopped, a database error) is the report's failure.
BuildReport buildBook(BookKind kind, const QString& programFolder, const QString& sourcePath,
                      const QString& openFailureMessage, const FillBook& fill, const ProgressStep& step);

} // namespace segmentation
