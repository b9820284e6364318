// The small window beside the focused widget that shows the composition and its candidates.
#pragma once

#include <QFont>
#include <QFrame>
#include <QList>
#include <QString>

namespace platform::ime {

// Painted line by line rather than laid out as rich text: it is redrawn on every keystroke.
class CandidatePopup : public QFrame
{
    Q_OBJECT
public:
    struct Row
    {
        QString text;
        QString code;
    };
    static constexpr int kPageSize = 9;

    CandidatePopup();

    // Shows the page that holds the highlighted row, just below the anchor's text cursor.
    void showFor(QWidget* anchor, const QString& composition, const QList<Row>& rows, int highlight);

    const QString& composition() const { return m_composition; }
    const QList<Row>& rows() const { return m_rows; }
    int highlight() const { return m_highlight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the page's pieces go: the columns of number, text and code, and the line heights.
    struct Layout
    {
        int firstRow = 0;
        int lastRow = 0; // one past the page's last row
        int numberWidth = 0;
        int textWidth = 0;
        int codeWidth = 0;
        int headerHeight = 0;
        int rowHeight = 0;
        int footerHeight = 0;
    };
    Layout layOut() const;
    QString pageText() const;
    void placeBeside(QWidget* anchor);

    QFont m_baseFont;
    QFont m_headerFont;
    QFont m_textFont;
    QFont m_codeFont;
    QString m_composition;
    QList<Row> m_rows;
    int m_highlight = 0;
    Layout m_layout;
};

} // namespace platform::ime
