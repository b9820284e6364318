#include "segmentation/core/commandline.h"

#include <QCoreApplication>

namespace segmentation {

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

qsizetype documentIndex(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!isSwitch(arguments.at(i)))
            return i;
    }
    return -1;
}

} // namespace

QString commandLine(const QStringList& arguments)
{
    QStringList switches = arguments.mid(1);
    if (const qsizetype document = documentIndex(arguments); document > 0)
        switches.removeAt(document - 1);
    return switches.join(u' ');
}

QString documentArgument(const QStringList& arguments)
{
    const qsizetype document = documentIndex(arguments);
    return document > 0 ? arguments.at(document) : QString();
}

} // namespace segmentation
