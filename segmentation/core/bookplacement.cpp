#include "segmentation/core/bookplacement.h"

#include "platform/atomicfile.h"
#include "segmentation/core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace segmentation {
namespace {

std::function<bool(PlacementStep)>& placementCutOff()
{
    static std::function<bool(PlacementStep)> cutOff;
    return cutOff;
}

bool cutOffAfter(PlacementStep step, QString* error)
{
    if (!placementCutOff() || !placementCutOff()(step))
        return false;
    *error = QStringLiteral("码本放置中途被打断");
    return true;
}

BookFiles newFilesOf(const BookFiles& book)
{
    return {book.database + QStringLiteral(".new"), book.index + QStringLiteral(".new")};
}

QString recordOf(const BookFiles& book)
{
    return book.database + QStringLiteral(".commit");
}

QString folderOf(const BookFiles& book)
{
    return QFileInfo(book.database).absolutePath();
}

void removeNewFiles(const BookFiles& book)
{
    const BookFiles staged = newFilesOf(book);
    // A journal left by a build that was cut off would otherwise be played into the next one.
    for (const QString& path : {staged.database, staged.database + QStringLiteral("-journal"), staged.index})
        QFile::remove(path);
}

// A new file that is gone has been renamed in already, by the placement that was cut off.
bool renamedIn(const QString& from, const QString& to, QString* error)
{
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(),
                            failed);
    if (!failed || failed == std::errc::no_such_file_or_directory)
        return true;
    *error = QStringLiteral("不能把文件 %1 改名为 %2：%3")
                 .arg(from, to, QString::fromLocal8Bit(failed.message().c_str()));
    return false;
}

// The part of a placement after its record: also what settling does with a record it finds.
bool rollForward(const BookFiles& book, QString* error)
{
    const BookFiles staged = newFilesOf(book);
    if (!renamedIn(staged.database, book.database, error)) {
        // Nothing has moved yet, so the old pair is still the book: the new one goes.
        if (QFile::remove(recordOf(book)))
            removeNewFiles(book);
        return false;
    }
    if (cutOffAfter(PlacementStep::DatabaseRenamed, error))
        return false;
    if (!renamedIn(staged.index, book.index, error) || cutOffAfter(PlacementStep::IndexRenamed, error))
        return false;
    // Where a file system cannot sync a folder, the order of the steps is all there is.
    platform::syncFolder(folderOf(book));
    if (!QFile::remove(recordOf(book))) {
        *error = QStringLiteral("不能删除文件 %1").arg(recordOf(book));
        return false;
    }
    return true;
}

// Every byte of the file on the disk, so that a book put in place is there whole.
bool synced(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0) {
        *error = fileWriteFailure(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool settleBook(const BookFiles& book, QString* error)
{
    if (!QFileInfo::exists(recordOf(book))) {
        removeNewFiles(book);
        return true;
    }
    // A placement that could not go on was undone, and then the old book is whole.
    return rollForward(book, error) || !QFileInfo::exists(recordOf(book));
}

bool hasWholeBook(BookKind kind, const QString& programFolder)
{
    const BookFiles book = bookFiles(kind, programFolder);
    QString ignored;
    return settleBook(book, &ignored) && QFileInfo(book.database).isFile() && QFileInfo(book.index).isFile();
}

StagedBook::StagedBook(BookFiles book) : m_book(std::move(book)), m_staged(newFilesOf(m_book)) {}

std::unique_ptr<StagedBook> StagedBook::begin(BookFiles book, QString* error)
{
    if (!settleBook(book, error))
        return nullptr;
    return std::unique_ptr<StagedBook>(new StagedBook(std::move(book)));
}

StagedBook::~StagedBook()
{
    if (!m_leftInPlace)
        removeNewFiles(m_book);
}

bool StagedBook::writeIndex(const QList<quint16>& counts, QString* error)
{
    const QByteArray bytes = indexFileBytes(counts);
    QFile file(m_staged.index);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *error = fileWriteFailure(m_staged.index, file.errorString());
        return false;
    }
    file.close();
    return true;
}

bool StagedBook::putInPlace(QString* error)
{
    if (!synced(m_staged.database, error) || !synced(m_staged.index, error))
        return false;
    if (cutOffAfter(PlacementStep::NewFilesSynced, error)) {
        m_leftInPlace = true;
        return false;
    }
    const QString record = recordOf(m_book);
    QString why;
    if (!platform::writeFileAtomically(record, {}, &why)) {
        *error = fileWriteFailure(record, why);
        return false;
    }
    // From here on the new pair is the book, whatever stops the renames, unless the first of them
    // fails and undoes the placement.
    m_leftInPlace = true;
    platform::syncFolder(folderOf(m_book));
    return !cutOffAfter(PlacementStep::Committed, error) && rollForward(m_book, error);
}

void setPlacementCutOff(std::function<bool(PlacementStep)> cutOff)
{
    placementCutOff() = std::move(cutOff);
}

} // namespace segmentation
