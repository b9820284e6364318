// An exclusive lock between processes, on a lock file that a killed holder cannot leave locked.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

class QDeadlineTimer;

namespace platform {

// The lock is the kernel's (flock) on the lock file, so it ends with the process that held it:
// whatever a killed holder left in the file, or an empty file, is no lock at all.
class FileLock
{
public:
    explicit FileLock(const QString& lockFilePath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to timeout for a live holder to finish. False, with the reason in *error, when the
    // lock cannot be had. The lock lasts as long as this object.
    bool lock(std::chrono::milliseconds timeout, QString* error);

private:
    // 0 once fd is locked, else the error (ETIMEDOUT when the deadline passed first).
    static int lockWithin(int fd, const QDeadlineTimer& deadline);

    QByteArray m_path;
    int m_fd = -1;
};

} // namespace platform
