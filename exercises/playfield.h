// The game's play field: a surface that keeps what is drawn on it (the stars) until its background is
// set again, with the falling items on top as child labels.
#pragma once

#include "exercises/starfield.h"

#include <QImage>
#include <QWidget>

namespace exercises {

class PlayField : public QWidget
{
    Q_OBJECT
public:
    explicit PlayField(QWidget* parent = nullptr);

    // Wipes every point drawn and fills the field with the colour.
    void setBackground(const QColor& colour);
    QColor background() const { return m_background; }
    // Erases each star's old point in black and draws its new one in white.
    void drawStars(const std::array<game::StarMove, game::kStarCount>& moves);
    // The colour drawn at a place on the field (twips).
    QColor pointColour(game::StarPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void plot(game::StarPoint point, QRgb colour);

    QImage m_surface;
    QColor m_background;
};

} // namespace exercises
