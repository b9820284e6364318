#include "exercises/playfield.h"

#include "exercises/windowparts.h"

#include <QPaintEvent>
#include <QPainter>

namespace exercises {
namespace {

using namespace game;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

} // namespace

PlayField::PlayField(QWidget* parent)
    : QWidget(parent),
      m_surface(kFieldWidth / kTwipsPerPixel, kFieldHeight / kTwipsPerPixel, QImage::Format_RGB32)
{
    setFixedSize(m_surface.size());
    // The surface covers the whole field, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackground(kLightBlue);
}

void PlayField::setBackground(const QColor& colour)
{
    m_background = colour;
    m_surface.fill(colour);
    update();
}

void PlayField::plot(StarPoint point, QRgb colour)
{
    const int x = point.x / kTwipsPerPixel;
    const int y = point.y / kTwipsPerPixel;
    // A star on the bottom edge lies just outside the last row of pixels.
    if (x >= 0 && y >= 0 && x < m_surface.width() && y < m_surface.height())
        m_surface.setPixel(x, y, colour);
}

void PlayField::drawStars(const std::array<StarMove, kStarCount>& moves)
{
    for (const StarMove& move : moves) {
        plot(move.erase, kBlack);
        plot(move.draw, kWhite);
    }
    update();
}

QColor PlayField::pointColour(StarPoint point) const
{
    return m_surface.pixelColor(point.x / kTwipsPerPixel, point.y / kTwipsPerPixel);
}

void PlayField::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

} // namespace exercises
