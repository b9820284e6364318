#include "platform/programexit.h"

#include <QCoreApplication>

namespace platform {
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

} // namespace platform
