#include "exercises/articlesheet.h"

#include "exercises/articlerules.h"
#include "exercises/windowparts.h"
#include "shell/uifonts.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace exercises {

const QColor ArticleSheet::kSheetColour = kLightBlue;

ArticleSheet::ArticleSheet(QWidget* viewport) : QWidget(viewport)
{
    setObjectName(QStringLiteral("Picture3"));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, kSheetColour);
    setFont(shell::kaiTi(21.75));
    setGeometry(0, 0, viewport->width(), viewport->height());
}

void ArticleSheet::layOut(const QString& text)
{
    m_text = text;
    m_marks = QList<QColor>(m_text.size(), unmarked());
    const int height = articleRows(length()) * kArticleRowHeight;
    resize(width(), std::max(height, parentWidget()->height()));
    update();
}

QColor ArticleSheet::unmarked() const
{
    return palette().color(QPalette::WindowText);
}

void ArticleSheet::setMark(int position, const QColor& colour)
{
    m_marks[position - 1] = colour;
    const QPoint cell = articleCellPosition(position);
    update(cell.x(), cell.y(), kArticleCellWidth, kArticleCharHeight);
}

void ArticleSheet::markAll(const QColor& colour)
{
    m_marks.fill(colour);
    update();
}

void ArticleSheet::paintEvent(QPaintEvent* event)
{
    // Only the rows in view are drawn, so a long article costs no more than a short one.
    QPainter painter(this);
    const QRect area = event->rect();
    const int firstRow = std::max(0, area.top() / kArticleRowHeight);
    const int lastRow = std::min(articleRows(length()) - 1, area.bottom() / kArticleRowHeight);
    for (int row = firstRow; row <= lastRow; ++row) {
        const int first = row * kArticleColumns + 1;
        const int last = std::min(length(), first + kArticleColumns - 1);
        for (int position = first; position <= last; ++position) {
            const QPoint cell = articleCellPosition(position);
            painter.setPen(mark(position));
            painter.drawText(QRect(cell, QSize(kArticleCellWidth, kArticleCharHeight)), Qt::AlignCenter,
                             QString(character(position)));
        }
    }
}

void ArticleSheet::mousePressEvent(QMouseEvent* event)
{
    emit clicked();
    QWidget::mousePressEvent(event);
}

} // namespace exercises
