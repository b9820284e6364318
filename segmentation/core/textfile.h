// The practice program's text files (filter.dat, practice files, exported articles) are written as a
// text-mode write of the C runtime writes them: every LF reaches the disk as CR LF.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace segmentation {

// The bytes a text-mode write puts on the disk.
QByteArray textModeBytes(QByteArrayView text);

// Writes the whole file aside and puts it in place only when it is complete, so a full disk or a
// failed write never leaves a half file under the name. False, with the reason in *error, when it
// could not be written.
bool writeTextFile(const QString& path, QByteArrayView text, QString* error = nullptr);

} // namespace segmentation
