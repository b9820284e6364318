// Parts that the exercise windows build alike: their shared colours, sunken panels, labels, push
// buttons, the status bar and the timers.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QStringView>
#include <QTimer>

class QDialog;
class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

namespace exercises {

// The purple of the instruction panels and the game's form, the light blue of the article sheet and
// the idle play field, and the dark blue of the figures.
inline const QColor kPanelPurple(144, 142, 216);
inline const QColor kLightBlue(192, 192, 255);
inline const QColor kFigureBlue(0, 0, 192);

// One colour of the widget's palette, in every state of the widget.
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

QFrame* makePanel(QWidget* parent, const QString& name, const QRect& geometry);
// A label in `font` at `geometry`, or sized to its text where no geometry is given.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                  const QRect& geometry = {});
// A window's instructions: lines wrapped, from the top left.
QLabel* makeInstructions(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                         const QRect& geometry);
// A push button in the windows' button font that Enter in a text box never presses.
QPushButton* makeButton(QWidget* parent, const QString& name, QStringView caption, const QRect& geometry);
// A status bar "StatusBar1" with panels "Panel1" to "Panel<count>", appended to `panels` in order;
// the first stretches, and panel `keyStatePanel` (none when kNoKeyStatePanel) shows the NumLock state.
inline constexpr int kNoKeyStatePanel = 0;
QStatusBar* makeStatusBar(QWidget* parent, QList<QLabel*>& panels, int count = 4, int keyStatePanel = 3);
// Lays the window out as its body over its status bar, at the fixed size they take.
void stackOverStatusBar(QDialog* window, QWidget* body, QStatusBar* statusBar);

// A stopped timer named `name` that calls the window's handler every `interval` milliseconds.
template <class Window>
QTimer* makeTimer(Window* window, const QString& name, int interval, void (Window::*handler)(),
                  Qt::TimerType type = Qt::CoarseTimer)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(name);
    timer->setInterval(interval);
    timer->setTimerType(type);
    QObject::connect(timer, &QTimer::timeout, window, handler);
    return timer;
}

// A clock that counts its own ticks as seconds. It is precise, as a coarse timer may slip by up to
// 5% a tick.
template <class Window>
QTimer* makeSecondsTimer(Window* window, const QString& name, void (Window::*handler)())
{
    return makeTimer(window, name, 995, handler, Qt::PreciseTimer);
}

} // namespace exercises
