// Parts that the exercise windows build alike: sunken panels, push buttons and the status bar.
#pragma once

#include <QList>
#include <QRect>
#include <QStringView>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

namespace exercises {

QFrame* makePanel(QWidget* parent, const QString& name, const QRect& geometry);
// A push button in the windows' button font that Enter in a text box never presses.
QPushButton* makeButton(QWidget* parent, const QString& name, QStringView caption, const QRect& geometry);
// A status bar "StatusBar1" with panels "Panel1" to "Panel<count>", appended to `panels` in order;
// the first stretches, and panel `keyStatePanel` shows the NumLock state.
QStatusBar* makeStatusBar(QWidget* parent, QList<QLabel*>& panels, int count = 4, int keyStatePanel = 3);
// Lays the window out as its body over its status bar, at the fixed size they take.
void stackOverStatusBar(QDialog* window, QWidget* body, QStatusBar* statusBar);

} // namespace exercises
