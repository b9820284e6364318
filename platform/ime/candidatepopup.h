// The small window beside the focused widget that shows the composition and its candidates.
#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;

namespace platform::ime {

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

private:
    QString html() const;
    void placeBeside(QWidget* anchor);

    QLabel* m_label;
    QString m_composition;
    QList<Row> m_rows;
    int m_highlight = 0;
};

} // namespace platform::ime
