#include "segmentation/core/textfile.h"

#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>

namespace segmentation {

QByteArray textModeBytes(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() + text.count('\n'));
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool writeTextFile(const QString& path, QByteArrayView text, QString* error)
{
    QString why;
    if (platform::writeFileAtomically(path, textModeBytes(text), &why))
        return true;
    if (error)
        *error = fileWriteFailure(path, why);
    return false;
}

FileHead readFileHead(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, fileReadFailure(path, file.errorString())};
    return readFileHead(file, maxBytes);
}

FileHead readFileHead(QIODevice& file, qint64 maxBytes)
{
    // A device of known size is read as far as it goes: read() would make room for maxBytes.
    const qint64 wanted =
        file.isSequential() ? maxBytes : qBound<qint64>(0, file.size() - file.pos(), maxBytes);
    QByteArray bytes = file.read(wanted);
    const auto* asFile = qobject_cast<const QFileDevice*>(&file);
    const bool failed =
        asFile ? asFile->error() != QFileDevice::NoError : bytes.isEmpty() && wanted > 0 && !file.atEnd();
    if (failed)
        return {{}, fileReadFailure(asFile ? asFile->fileName() : QString(), file.errorString())};
    return {std::move(bytes), {}};
}

QString fileReadFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("不能读取文件%1：%2").arg(QDir::toNativeSeparators(path), reason);
}

QString fileWriteFailure(const QString& path, const QString& reason)
{
    return QStringLiteral("不能写入文件%1：%2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace segmentation
