#include "platform/filelock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

QString systemText(int errorNumber)
{
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool sameFile(int fd, const QByteArray& path)
{
    struct stat opened
    {
    };
    struct stat named
    {
    };
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

FileLock::FileLock(const QString& lockFilePath) : m_path(QFile::encodeName(lockFilePath)) {}

FileLock::~FileLock()
{
    // The file stays: a waiter blocked on it takes the lock at once, where a new file would make it
    // start over.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileLock::lock(std::chrono::milliseconds timeout, QString* error)
{
    if (m_fd >= 0)
        return true;
    const QDeadlineTimer deadline(timeout);
    bool clearedUnopenable = false;
    for (;;) {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            // A lock file that cannot be opened (a folder, a link, no permission) holds no lock
            // that anyone could have taken: out of the way with it, once. remove() takes an empty
            // folder too, where unlink() does not.
            const int openError = errno;
            if (!clearedUnopenable && openError != ENOENT && std::remove(m_path.constData()) == 0) {
                clearedUnopenable = true;
                continue;
            }
            if (error)
                *error = systemText(openError);
            return false;
        }
        const int lockError = lockWithin(fd, deadline);
        if (lockError == 0 && sameFile(fd, m_path)) {
            m_fd = fd;
            return true;
        }
        if (lockError == 0) {
            ::close(fd); // locked a file that was cleared away meanwhile: lock the new one
            continue;
        }
        if (lockError != ETIMEDOUT)
            ::close(fd); // a timed-out wait still owns fd and closes it when it ends
        if (error)
            *error = lockError == ETIMEDOUT
                         ? QStringLiteral("另一个程序一直占用着锁文件 %1").arg(QFile::decodeName(m_path))
                         : systemText(lockError);
        return false;
    }
}

int FileLock::lockWithin(int fd, const QDeadlineTimer& deadline)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return 0;
    if (errno != EWOULDBLOCK)
        return errno;
    // The kernel hands a released lock to a waiter blocked in flock(), where one that polls
    // would lose it again and again to a holder that writes in a loop. The wait runs on a thread
    // of its own so that it can be given up; a wait given up lets go of the lock once it has it.
    struct Wait
    {
        std::mutex mutex;
        std::condition_variable ended;
        bool done = false;
        bool givenUp = false;
        int error = 0;
    };
    const auto wait = std::make_shared<Wait>();
    std::thread([wait, fd] {
        int result = 0;
        while (::flock(fd, LOCK_EX) != 0 && (result = errno) == EINTR)
            result = 0;
        const std::lock_guard guard(wait->mutex);
        wait->done = true;
        wait->error = result;
        if (wait->givenUp)
            ::close(fd);
        wait->ended.notify_all();
    }).detach();
    std::unique_lock guard(wait->mutex);
    const auto remaining = std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0));
    if (!wait->ended.wait_for(guard, remaining, [&wait] { return wait->done; })) {
        wait->givenUp = true;
        return ETIMEDOUT;
    }
    return wait->error;
}

} // namespace platform
