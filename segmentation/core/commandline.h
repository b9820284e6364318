// The practice program's command line: the teacher switch "/t" may stand anywhere in it.
#pragma once

#include <QString>
#include <QStringList>

namespace segmentation {

// The command line as the program's switches see it: the arguments after the program's own path,
// joined by blanks, without the document named on it. Both paths are left out because on this
// platform they are written with '/' and would hold "/t" in any folder whose name begins with a "t".
QString commandLine(const QStringList& arguments);
// The running process's command line.
QString processCommandLine();

// True when "/t" stands anywhere in the command line, however long it is.
bool hasTeacherSwitch(QStringView commandLine);

// The first argument that is not a switch, as the framework's parser takes a document to open; empty
// when there is none. A switch begins with '-', or is '/' followed by letters ("/t"): a path of
// this platform begins with '/' too, and is a document.
QString documentArgument(const QStringList& arguments);

} // namespace segmentation
