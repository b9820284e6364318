// A window's status bar as the common control shows it: "StatusBar1" without a size grip, its panels
// sunken labels.
#pragma once

class QLabel;
class QStatusBar;
class QString;
class QWidget;

namespace platform {

QStatusBar* makeStatusBar(QWidget* parent);
// A panel named `name` in the bar's look, for the caller to add where it belongs: `panel` (a
// KeyStatePanel, say) when given, else a new label.
QLabel* makeStatusPanel(QStatusBar* bar, const QString& name, QLabel* panel = nullptr);

} // namespace platform
