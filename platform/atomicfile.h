// Saving a file whole or not at all: written beside it, checked to the last byte, then renamed over it.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace platform {

// Writes bytes to a new file in filePath's folder, has the system put them on the disk, and renames
// the new file over filePath. On any failure (a full disk, say) the old file stays as it was, the
// new one is removed, and *error holds the system's own text for what went wrong.
//
// The new file is named filePath + ".new-" + lowercase hex digits, and its writer holds a lock on it
// until it has been renamed. A save first removes the new files of filePath that a killed save left
// behind: those of that name that no live writer holds, and nothing else.
bool writeFileAtomically(const QString& filePath, QByteArrayView bytes, QString* error = nullptr);

// Has the system put the folder's entries (files created, renamed or removed in it) on the disk;
// false where it could not.
bool syncFolder(const QString& folderPath);

} // namespace platform
