#include "platform/statusbar.h"

#include <QLabel>
#include <QStatusBar>

namespace platform {

QStatusBar* makeStatusBar(QWidget* parent)
{
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    return bar;
}

QLabel* makeStatusPanel(QStatusBar* bar, const QString& name, QLabel* panel)
{
    if (!panel)
        panel = new QLabel(bar);
    panel->setParent(bar);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    return panel;
}

} // namespace platform
