#include "segmentation/ui/dialogunits.h"

#include "platform/screenfonts.h"

#include <QDialog>
#include <QFontMetrics>
#include <QPushButton>
#include <QWidget>

namespace segmentation {
namespace {

// Rounded to the nearest pixel, halves away from zero, as MulDiv does.
int scale(int units, int base, int divisor)
{
    const int product = units * base;
    return product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
}

} // namespace

QFont dialogFont()
{
    // "System" is a sans face for its Latin letters and digits.
    return platform::fonts::mixedFont({QStringLiteral("System"), QStringLiteral("DejaVu Sans")},
                                      platform::fonts::Design::Sans, 10);
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded, is the width a dialog unit counts in.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseWidth = qMax(1, (letters / 26 + 1) / 2);
    m_baseHeight = qMax(1, metrics.height());
}

int DialogUnits::x(int units) const
{
    return scale(units, m_baseWidth, 4);
}

int DialogUnits::y(int units) const
{
    return scale(units, m_baseHeight, 8);
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    return QRect(x(left), y(top), x(width), y(height));
}

QSize DialogUnits::size(int width, int height) const
{
    return QSize(x(width), y(height));
}

void DialogUnits::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(rect(left, top, width, height));
}

QPushButton* addPushButton(QWidget* parent, const DialogUnits& units, const QString& text,
                           const QString& objectName, int left, int top, int width, int height)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    units.place(button, left, top, width, height);
    return button;
}

DialogUnits setUpDialog(QDialog* dialog, const QString& objectName, const QString& title, int width,
                        int height)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFont(dialogFont());
    const DialogUnits units(dialog->font());
    dialog->setFixedSize(units.size(width, height));
    return units;
}

} // namespace segmentation
