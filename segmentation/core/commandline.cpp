#include "segmentation/core/commandline.h"

#include <QCoreApplication>

namespace segmentation {

QString commandLine(const QStringList& arguments)
{
    return arguments.mid(1).join(u' ');
}

QString processCommandLine()
{
    return commandLine(QCoreApplication::arguments());
}

bool hasTeacherSwitch(QStringView commandLine)
{
    return commandLine.contains(u"/t");
}

namespace {

bool isSwitch(QStringView argument)
{
    if (argument.startsWith(u'-'))
        return true;
    if (!argument.startsWith(u'/') || argument.size() < 2)
        return false;
    for (QChar c : argument.mid(1))
        if (!c.isLetter())
            return false;
    return true;
}

} // namespace

QString documentArgument(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (!isSwitch(argument))
            return argument;
    }
    return QString();
}

} // namespace segmentation
