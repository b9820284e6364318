#include "shell/programexit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace shell {
namespace {

ProgramEnder& installedEnder()
{
    static ProgramEnder ender;
    return ender;
}

} // namespace

void endProgram(int exitCode)
{
    if (installedEnder()) {
        installedEnder()(exitCode);
        return;
    }
    // Queued, so that a call made before the main loop starts still ends it.
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
    }
}

void setProgramEnder(ProgramEnder ender)
{
    installedEnder() = std::move(ender);
}

void deleteGifFiles(const QString& folder)
{
    const QDir dir(folder);
    // Without QDir::CaseSensitive the pattern also takes "*.GIF", as the program's own file system did.
    const QStringList names = dir.entryList({QStringLiteral("*.gif")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        QFile::remove(dir.filePath(name));
}

} // namespace shell
