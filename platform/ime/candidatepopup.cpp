#include "platform/ime/candidatepopup.h"

#include "platform/screenfonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace platform::ime {
namespace {

constexpr int kMarginX = 6;
constexpr int kMarginY = 4;
constexpr int kCellPadding = 1;

QFont scaled(const QFont& font, qreal factor)
{
    QFont result = font;
    result.setPointSizeF(font.pointSizeF() * factor);
    return result;
}

int lineHeight(const QFont& font)
{
    return QFontMetrics(font).height() + 2 * kCellPadding;
}

} // namespace

CandidatePopup::CandidatePopup()
    : QFrame(nullptr,
             Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ImeCandidatePopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    // The input method draws in its own screen face, whatever font the program in front of it set.
    setFont(fonts::generalFont(font()));
    m_baseFont = scaled(font(), 1.25);
    m_headerFont = m_baseFont;
    m_headerFont.setBold(true);
    m_textFont = scaled(m_baseFont, 1.2);
    m_codeFont = scaled(m_baseFont, 1 / 1.2);
}

void CandidatePopup::showFor(QWidget* anchor, const QString& composition, const QList<Row>& rows,
                             int highlight)
{
    m_composition = composition;
    m_rows = rows;
    m_highlight = highlight;
    m_layout = layOut();
    const int columns = m_layout.numberWidth + m_layout.textWidth + m_layout.codeWidth;
    const int header = QFontMetrics(m_headerFont).horizontalAdvance(m_composition) + 2 * kCellPadding;
    const int frame = frameWidth();
    const int rowsHeight = (m_layout.lastRow - m_layout.firstRow) * m_layout.rowHeight;
    resize(std::max(columns, header) + 2 * (kMarginX + frame),
           m_layout.headerHeight + rowsHeight + m_layout.footerHeight + 2 * (kMarginY + frame));
    placeBeside(anchor);
    update();
    show();
}

CandidatePopup::Layout CandidatePopup::layOut() const
{
    Layout layout;
    layout.firstRow = (m_highlight / kPageSize) * kPageSize;
    layout.lastRow = std::min<int>(layout.firstRow + kPageSize, int(m_rows.size()));
    const QFontMetrics base(m_baseFont);
    const QFontMetrics text(m_textFont);
    const QFontMetrics code(m_codeFont);
    // The text column keeps a space on either side, the gap that sets it off from number and code.
    const int space = base.horizontalAdvance(u' ');
    for (int i = layout.firstRow; i < layout.lastRow; ++i) {
        layout.numberWidth = std::max(
            layout.numberWidth, base.horizontalAdvance(QString::number(i - layout.firstRow + 1) + u'.'));
        layout.textWidth = std::max(layout.textWidth, text.horizontalAdvance(m_rows[i].text) + 2 * space);
        layout.codeWidth = std::max(layout.codeWidth, code.horizontalAdvance(m_rows[i].code));
    }
    layout.numberWidth += 2 * kCellPadding;
    layout.textWidth += 2 * kCellPadding;
    layout.codeWidth += 2 * kCellPadding;
    layout.headerHeight = lineHeight(m_headerFont);
    layout.rowHeight = std::max({lineHeight(m_baseFont), lineHeight(m_textFont), lineHeight(m_codeFont)});
    layout.footerHeight = m_rows.size() > kPageSize ? lineHeight(m_codeFont) : 0;
    return layout;
}

QString CandidatePopup::pageText() const
{
    const int pages = int((m_rows.size() + kPageSize - 1) / kPageSize);
    return QStringLiteral("%1/%2").arg(m_layout.firstRow / kPageSize + 1).arg(pages);
}

void CandidatePopup::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(kMarginX, kMarginY, -kMarginX, -kMarginY);
    const int x = area.left() + kCellPadding;
    const int width = area.width() - 2 * kCellPadding;
    const QColor textColor = palette().color(foregroundRole());

    painter.setPen(textColor);
    painter.setFont(m_headerFont);
    painter.drawText(QRect(x, area.top(), width, m_layout.headerHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     m_composition);

    int y = area.top() + m_layout.headerHeight;
    const int space = QFontMetrics(m_baseFont).horizontalAdvance(u' ');
    for (int i = m_layout.firstRow; i < m_layout.lastRow; ++i, y += m_layout.rowHeight) {
        const QRect line(area.left(), y, area.width(), m_layout.rowHeight);
        if (i == m_highlight) {
            painter.fillRect(line, palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::HighlightedText));
        } else {
            painter.setPen(textColor);
        }
        QRect cell = line.adjusted(kCellPadding, kCellPadding, 0, -kCellPadding);
        cell.setWidth(m_layout.numberWidth - 2 * kCellPadding);
        painter.setFont(m_baseFont);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(i - m_layout.firstRow + 1) + u'.');
        cell.translate(m_layout.numberWidth, 0);
        cell.setWidth(m_layout.textWidth - 2 * kCellPadding);
        painter.setFont(m_textFont);
        painter.drawText(cell.adjusted(space, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_rows[i].text);
        cell.translate(m_layout.textWidth, 0);
        cell.setWidth(m_layout.codeWidth - 2 * kCellPadding);
        painter.setFont(m_codeFont);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, m_rows[i].code);
    }
    if (m_layout.footerHeight > 0) {
        painter.setPen(textColor);
        painter.setFont(m_codeFont);
        painter.drawText(QRect(x, y, width, m_layout.footerHeight), Qt::AlignRight | Qt::AlignVCenter,
                         pageText());
    }
}

void CandidatePopup::placeBeside(QWidget* anchor)
{
    QRect cursor = anchor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (!cursor.isValid())
        cursor = anchor->rect();
    QPoint position = anchor->mapToGlobal(cursor.bottomLeft()) + QPoint(0, 4);
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        if (position.y() + height() > available.bottom())
            position.setY(anchor->mapToGlobal(cursor.topLeft()).y() - height() - 4);
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() - width())));
    }
    move(position);
}

} // namespace platform::ime
