// The article test's sheet: the article's characters, 15 to a row, each in the colour of its mark,
// on a light blue sheet that moves up inside the viewport to scroll.
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

namespace exercises {

class ArticleSheet : public QWidget
{
    Q_OBJECT
public:
    // The sheet's own colour; a mark in it makes the character vanish.
    static const QColor kSheetColour;

    explicit ArticleSheet(QWidget* viewport);

    // Lays the text out, every character unmarked; the sheet grows to hold its rows and is at least
    // as tall as the viewport.
    void layOut(const QString& text);
    int length() const { return static_cast<int>(m_text.size()); }
    // Positions are 1-based.
    QChar character(int position) const { return m_text.at(position - 1); }
    QColor mark(int position) const { return m_marks.at(position - 1); }
    void setMark(int position, const QColor& colour);
    void markAll(const QColor& colour);
    // The colour of a character not typed yet, as the text is laid out.
    QColor unmarked() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_text;
    QList<QColor> m_marks;
};

} // namespace exercises
