#include "platform/atomicfile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

bool fail(int errorNumber, QString* error)
{
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(errorNumber));
    return false;
}

// Creates a new file beside target that no one else has opened; its mode follows the umask.
int createBeside(const QByteArray& target, QByteArray* created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *created = target + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int fd = ::open(created->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool writeFileAtomically(const QString& filePath, QByteArrayView bytes, QString* error)
{
    const QByteArray target = QFile::encodeName(filePath);
    QByteArray temporary;
    const int fd = createBeside(target, &temporary);
    if (fd < 0)
        return fail(errno, error);

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
    if (failure != 0) {
        ::unlink(temporary.constData());
        return fail(failure, error);
    }
    return true;
}

} // namespace platform
