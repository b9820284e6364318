// Putting a new book in place whole or not at all, for the code book and the two word books alike.
//
// A build writes the new database and index beside the book's own ("Durid.dat.new",
// "index.dat.new"). Once both are on the disk, a commit record ("Durid.dat.commit") says that this
// pair goes in; then the two are renamed over the book's files, and the record goes last. Whoever
// opens a book first settles what a build cut off at any point left: with a record, the new files
// still there are renamed in; without one, they are the leftovers of a build that never got that
// far and go, and the old pair was never touched. So a book's files are always one build's pair.
#pragma once

#include "segmentation/core/bookfiles.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace segmentation {

// Finishes or clears what a cut-off placement left. False, with the reason, while the record stays
// because a new file could not be renamed in: the book's files may then be of two builds, and nothing
// may read them.
bool settleBook(const BookFiles& book, QString* error);

// Once settled, whether the program folder holds the book's database and its index. One of them
// without the other (as an earlier version of the program could leave) is no book.
bool hasWholeBook(BookKind kind, const QString& programFolder);

// The new files of one build. Whatever was not put in place, or committed to be, goes with it.
class StagedBook
{
public:
    // Settles the book first; nothing, with the reason, when it cannot be settled.
    static std::unique_ptr<StagedBook> begin(BookFiles book, QString* error);
    ~StagedBook();
    StagedBook(const StagedBook&) = delete;
    StagedBook& operator=(const StagedBook&) = delete;

    QString databasePath() const { return m_staged.database; }
    // Writes the counts (one per GBK cell) as the new index file; false, with the reason, when it cannot.
    bool writeIndex(const QList<quint16>& counts, QString* error);
    // Puts the new database and index in place of the book's. On failure the book is the old one, or
    // the record stays and the next settling finishes the placement.
    bool putInPlace(QString* error);

private:
    explicit StagedBook(BookFiles book);
    BookFiles m_book;
    BookFiles m_staged;
    bool m_leftInPlace = false; // the files are the next settling's
};

// The steps of a placement, in order.
enum class PlacementStep
{
    NewFilesSynced,
    Committed,
    DatabaseRenamed,
    IndexRenamed,
};
// For tests: while set, asked after each step whether the placement is cut off there. A cut-off
// placement leaves every file as it is, as a process killed at that moment would, and fails.
void setPlacementCutOff(std::function<bool(PlacementStep)> cutOff);

} // namespace segmentation
