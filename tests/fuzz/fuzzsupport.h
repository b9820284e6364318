// What the fuzz targets share: the input as bytes, checks of a reader's promises, a Qt application, a
// scratch folder in memory.
#pragma once

#include "platform/gbk.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

inline QByteArrayView bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise of the code under test is a finding.
inline void require(bool promise)
{
    if (!promise)
        std::abort();
}

// True when a view a reader handed over lies inside its input, at the offset the reader named.
inline bool liesAt(QByteArrayView view, QByteArrayView input, qint64 offset)
{
    return offset >= 0 && view.data() == input.data() + offset && offset + view.size() <= input.size();
}

// True when the bytes are whole double-byte characters and nothing else.
inline bool isDoubleByteText(QByteArrayView text)
{
    if (text.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < text.size(); i += 2) {
        if (!platform::gbk::startsWithDoubleByteCharacter(text.sliced(i)))
            return false;
    }
    return true;
}

// Qt's plugins (the SQLite driver) need an application object.
inline void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// A folder for the files a target writes, in memory where there is such a place, so that
// syncing a file costs nothing; ends in '/'.
inline QString scratchFolder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/talvoren-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/talvoren-fuzz-XXXXXX"));
    require(folder.isValid());
    return folder.path() + u'/';
}

inline void writeFile(const QString& path, QByteArrayView bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size());
}

// Every file of a folder goes, so that each input starts afresh.
inline void emptyFolder(const QString& folder)
{
    QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

} // namespace fuzz
