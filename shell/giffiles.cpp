#include "shell/giffiles.h"

#include <QDir>
#include <QFile>

namespace shell {

void deleteGifFiles(const QString& folder)
{
    const QDir dir(folder);
    // Without QDir::CaseSensitive the pattern also takes "*.GIF", as the program's own file system did.
    const QStringList names = dir.entryList({QStringLiteral("*.gif")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        QFile::remove(dir.filePath(name));
}

} // namespace shell
