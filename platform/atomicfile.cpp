#include "platform/atomicfile.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr QByteArrayView kNewFileMark(".new-");
// The random part of a new file's name: a 32-bit number in hex.
constexpr qsizetype kMaxNewFileDigits = 8;

bool fail(int errorNumber, QString* error)
{
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errorNumber));
    return false;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// True for the names that createBeside gives the new files of `name`, and for no other.
bool isNewFileOf(QByteArrayView entry, QByteArrayView name)
{
    if (!entry.startsWith(name) || !entry.sliced(name.size()).startsWith(kNewFileMark))
        return false;
    const QByteArrayView digits = entry.sliced(name.size() + kNewFileMark.size());
    return !digits.isEmpty() && digits.size() <= kMaxNewFileDigits &&
           std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Held by a save while it looks for what killed saves left and while it creates and locks its own
// new file, so that no one meets a new file between its creation and its writer's lock. Not held
// when the folder cannot be opened or locked; the save then goes on without clearing anything.
class FolderLock
{
public:
    explicit FolderLock(const QByteArray& folder)
        : m_fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        int result = -1;
        while (m_fd >= 0 && (result = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (m_fd >= 0 && result != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// Removes the new files of target's name that a killed save left; one that its writer still holds
// locked is in use and stays. Runs under the folder's lock.
void removeLeftNewFiles(const QByteArray& target)
{
    DIR* folder = ::opendir(folderOf(target).constData());
    if (!folder)
        return;
    const QByteArray name = nameOf(target);
    QList<QByteArray> candidates;
    while (const dirent* entry = ::readdir(folder)) {
        if (isNewFileOf(QByteArrayView(entry->d_name), name))
            candidates.append(QByteArray(entry->d_name));
    }
    for (const QByteArray& candidate : candidates) {
        const int fd =
            ::openat(::dirfd(folder), candidate.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status
        {
        };
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(folder), candidate.constData(), 0);
        ::close(fd);
    }
    ::closedir(folder);
}

// Creates a new file beside target that no one else has opened, and locks it; its mode follows the
// umask. A file system without locks still gets the file, which no clearing then removes.
int createBeside(const QByteArray& target, QByteArray* created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *created = target + kNewFileMark.toByteArray() +
                   QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int fd = ::open(created->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

bool writeFileAtomically(const QString& filePath, QByteArrayView bytes, QString* error)
{
    const QByteArray target = QFile::encodeName(filePath);
    QByteArray temporary;
    int fd = -1;
    int createError = 0;
    {
        const FolderLock folder(folderOf(target));
        if (folder.held())
            removeLeftNewFiles(target);
        fd = createBeside(target, &temporary);
        createError = errno;
    }
    if (fd < 0)
        return fail(createError, error);
    // The lock lives as long as any descriptor of the file: this one keeps it past the close below,
    // which must come before the rename for its error to count, until the file has its name.
    const int holder = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);

    // Unbuffered writes, each checked, and fsync and close checked too: a full disk or a failing
    // device shows in one of them, and only then is the old file still whole.
    int failure = 0;
    for (qsizetype done = 0; done < bytes.size() && failure == 0;) {
        const ssize_t written = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            failure = errno;
        else if (written == 0)
            failure = EIO;
        else if (written > 0)
            done += written;
    }
    if (failure == 0 && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        failure = errno;
    if (failure != 0)
        ::unlink(temporary.constData());
    if (holder >= 0)
        ::close(holder);
    return failure == 0 || fail(failure, error);
}

bool syncFolder(const QString& folderPath)
{
    const int fd = ::open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace platform
