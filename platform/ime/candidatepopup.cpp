#include "platform/ime/candidatepopup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace platform::ime {

CandidatePopup::CandidatePopup()
    : QFrame(nullptr,
             Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint),
      m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("ImeCandidatePopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    m_label->setObjectName(QStringLiteral("ImeCandidateList"));
    m_label->setTextFormat(Qt::RichText);
    m_label->setForegroundRole(QPalette::ToolTipText);
    QFont font = m_label->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    m_label->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(m_label);
}

void CandidatePopup::showFor(QWidget* anchor, const QString& composition, const QList<Row>& rows,
                             int highlight)
{
    m_composition = composition;
    m_rows = rows;
    m_highlight = highlight;
    m_label->setText(html());
    adjustSize();
    placeBeside(anchor);
    show();
}

QString CandidatePopup::html() const
{
    const QColor highlightColor = palette().color(QPalette::Highlight);
    const QColor highlightText = palette().color(QPalette::HighlightedText);
    QString rows;
    const int first = (m_highlight / kPageSize) * kPageSize;
    const int last = std::min<int>(first + kPageSize, int(m_rows.size()));
    for (int i = first; i < last; ++i) {
        const QString style = i == m_highlight ? QStringLiteral(" style=\"background-color:%1; color:%2\"")
                                                     .arg(highlightColor.name(), highlightText.name())
                                               : QString();
        rows += QStringLiteral(
                    "<tr%1><td>%2.</td><td>&nbsp;<big>%3</big>&nbsp;</td><td><small>%4</small></td></tr>")
                    .arg(style)
                    .arg(i - first + 1)
                    .arg(m_rows[i].text.toHtmlEscaped(), m_rows[i].code.toHtmlEscaped());
    }
    QString footer;
    if (m_rows.size() > kPageSize) {
        const int pages = int((m_rows.size() + kPageSize - 1) / kPageSize);
        footer = QStringLiteral("<tr><td colspan=\"3\" align=\"right\"><small>%1/%2</small></td></tr>")
                     .arg(first / kPageSize + 1)
                     .arg(pages);
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">"
                          "<tr><td colspan=\"3\"><b>%1</b></td></tr>%2%3</table>")
        .arg(m_composition.toHtmlEscaped(), rows, footer);
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
