// Dialog templates give positions in dialog units: a quarter of the dialog font's average character
// width across, an eighth of its height down.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QDialog;
class QPushButton;
class QWidget;

namespace segmentation {

// The dialogs' font, "System" at 10 points, with the nearest fonts of this platform behind it:
// Chinese text in the Hei screen face.
QFont dialogFont();

class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;
    // Places the widget at the template's rectangle.
    void place(QWidget* widget, int left, int top, int width, int height) const;

private:
    int m_baseWidth;  // average character width in pixels
    int m_baseHeight; // character height in pixels
};

// A push button at the template's rectangle. None is auto-default: Enter presses the dialog's
// default button (setDefault) whichever button has the focus.
QPushButton* addPushButton(QWidget* parent, const DialogUnits& units, const QString& text,
                           const QString& objectName, int left, int top, int width, int height);

// Gives a dialog its name, caption, the dialog font and its fixed size from the template's units,
// and returns the units its controls are placed in.
DialogUnits setUpDialog(QDialog* dialog, const QString& objectName, const QString& title, int width,
                        int height);

} // namespace segmentation
