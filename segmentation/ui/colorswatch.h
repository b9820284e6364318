// A sunken panel filled with a colour that reports clicks; while disabled it shows no colour.
#pragma once

#include <QColor>
#include <QFrame>

namespace segmentation {

class ColorSwatch : public QFrame
{
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_color;
};

} // namespace segmentation
