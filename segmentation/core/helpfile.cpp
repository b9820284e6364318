#include "segmentation/core/helpfile.h"

#include "platform/paths.h"

#include <QUrl>

namespace segmentation {

QString helpFilePath()
{
    return platform::programFolder() + QStringLiteral("corvelle.chm");
}

QString helpAboutPageAddress()
{
    QUrl address = QUrl::fromLocalFile(helpFilePath());
    address.setFragment(QStringLiteral("xchm:/about.html"));
    return address.toString();
}

} // namespace segmentation
