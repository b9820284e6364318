// Saving a file whole or not at all: written beside it, checked to the last byte, then renamed over it.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <sys/types.h>

namespace platform {

// Writes bytes to a new file in filePath's folder, has the system put them on the disk, and renames
// the new file over filePath. On any failure (a full disk, say) the old file stays as it was, the
// new one is removed, and *error holds the system's own text for what went wrong.
bool writeFileAtomically(const QString& filePath, QByteArrayView bytes, QString* error = nullptr);

// The call through which every byte reaches the file (::write by default); tests put in one that
// fails as a full disk does. An empty call restores the default.
using FileWriteCall = std::function<ssize_t(int fd, const void* data, size_t size)>;
void setFileWriteCall(FileWriteCall call);

} // namespace platform
