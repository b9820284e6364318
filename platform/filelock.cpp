#include "platform/filelock.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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
    unlock();
}

bool FileLock::lock(std::chrono::milliseconds timeout, QString* error)
{
    if (isLocked())
        return true;
    const QDeadlineTimer deadline(timeout);
    bool clearedUnopenable = false;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            // A lock file that cannot be opened (a folder, a link, no permission) holds no lock
            // that anyone could have taken: out of the way with it, once.
            const int openError = errno;
            if (!clearedUnopenable && openError != ENOENT && ::unlink(m_path.constData()) == 0) {
                clearedUnopenable = true;
                continue;
            }
            if (error)
                *error = systemText(openError);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder we waited for removes the file before it lets go: a lock on a file no
            // longer at the path keeps no one else out.
            if (sameFile(fd, m_path)) {
                m_fd = fd;
                return true;
            }
            ::close(fd);
            continue;
        }
        const int lockError = errno;
        ::close(fd);
        if (lockError != EWOULDBLOCK && lockError != EINTR) {
            if (error)
                *error = systemText(lockError);
            return false;
        }
        if (deadline.hasExpired()) {
            if (error)
                *error = QStringLiteral("另一个程序一直占用着锁文件 %1").arg(QFile::decodeName(m_path));
            return false;
        }
        std::this_thread::sleep_for(
            std::min(pause, std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0))));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
}

void FileLock::unlock()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.constData());
    ::close(m_fd);
    m_fd = -1;
}

} // namespace platform
