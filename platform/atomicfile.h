// Saving a file whole or not at all: written beside it, checked to the last byte, then renamed over it.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace platform {

// Writes bytes to a new file in filePath's folder, has the system put them on the disk, and renames
// the new file over filePath. On any failure (a full disk, say) the old file stays as it was, the
// new one is removed, and *error holds the system's own text for what went wrong.
bool writeFileAtomically(const QString& filePath, QByteArrayView bytes, QString* error = nullptr);

} // namespace platform
