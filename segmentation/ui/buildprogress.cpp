#include "segmentation/ui/buildprogress.h"

#include "segmentation/ui/afxmessagebox.h"

#include <QProgressBar>

namespace segmentation {

void startProgress(QProgressBar* bar)
{
    bar->setRange(1, 7000);
    bar->setValue(1);
    bar->show();
}

void stepProgress(QProgressBar* bar)
{
    const int next = bar->value() + 1;
    bar->setValue(next > bar->maximum() ? bar->minimum() : next);
}

void reportSkippedEntries(QWidget* parent, const BuildReport& report)
{
    const QString message = report.skippedMessage();
    if (!message.isEmpty())
        afxMessageBox(parent, message, platform::MB_OK | platform::MB_ICONINFORMATION);
}

} // namespace segmentation
