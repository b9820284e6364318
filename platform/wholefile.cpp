#include "platform/wholefile.h"

#include <QSaveFile>

namespace platform {

bool writeWholeFile(const QString& path, const QByteArray& contents, QString* error)
{
    QSaveFile file(path);
    // A write that fits the buffer reaches the file only at the flush, whose failure commit() does
    // not notice: without the explicit flush an empty file would replace the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.flush() ||
        !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
