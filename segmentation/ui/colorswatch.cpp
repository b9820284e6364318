#include "segmentation/ui/colorswatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace segmentation {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ColorSwatch::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent* event)
{
    if (isEnabled() && m_color.isValid()) {
        QPainter painter(this);
        painter.fillRect(contentsRect(), m_color);
    }
    QFrame::paintEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace segmentation
