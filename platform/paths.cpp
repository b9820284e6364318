#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace platform {
namespace {

QString& programFolderOverride()
{
    static QString folder;
    return folder;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString folderFromEnvironment(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

} // namespace

QString programFolder()
{
    if (!programFolderOverride().isEmpty())
        return withSlash(programFolderOverride());
    return withSlash(QCoreApplication::applicationDirPath());
}

QString systemFolder()
{
    const QString fromEnvironment = folderFromEnvironment("TALVOREN_SYSTEM_DIR");
    if (!fromEnvironment.isEmpty())
        return withSlash(fromEnvironment);
    return programFolder() + QStringLiteral("system/");
}

QString userFolder()
{
    const QString fromEnvironment = folderFromEnvironment("TALVOREN_USER_DIR");
    if (!fromEnvironment.isEmpty())
        return withSlash(fromEnvironment);
    QString config = folderFromEnvironment("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return withSlash(config) + QStringLiteral("talvoren/");
}

void setProgramFolderOverride(const QString& folder)
{
    programFolderOverride() = folder;
}

} // namespace platform
