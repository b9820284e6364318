// The practice program's files as it reads and writes them whole: the text files (filter.dat,
// practice files, exported articles) written as a text-mode write of the C runtime writes them, every
// LF reaching the disk as CR LF, and what the user is told when a file cannot be read or written.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace segmentation {

// The bytes a text-mode write puts on the disk.
QByteArray textModeBytes(QByteArrayView text);

// Writes the whole file aside and puts it in place only when it is complete, so a full disk or a
// failed write never leaves a half file under the name. False, with the reason in *error, when it
// could not be written.
bool writeTextFile(const QString& path, QByteArrayView text, QString* error = nullptr);

struct FileHead
{
    QByteArray bytes; // the file's first bytes, all of a shorter file
    QString error;    // why the file could not be opened or read; empty when it was read
    bool ok() const { return error.isEmpty(); }
};

// At most maxBytes from the start of the file.
FileHead readFileHead(const QString& path, qint64 maxBytes);
// At most maxBytes from the device's position on; the device is open for reading.
FileHead readFileHead(QIODevice& file, qint64 maxBytes);

// The sentences for a file that cannot be read or written: its path and the system's reason.
QString fileReadFailure(const QString& path, const QString& reason);
QString fileWriteFailure(const QString& path, const QString& reason);

} // namespace segmentation
