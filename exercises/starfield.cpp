#include "exercises/starfield.h"

#include "platform/clock.h"

#include <cmath>

namespace exercises::game {
namespace {

// A place drawn across a length, whole twips.
float across(platform::RandomSource& random, int length)
{
    return std::floor(random.rnd() * static_cast<float>(length));
}

// A star's place as a point: rounded, halves to the even neighbour.
int rounded(float value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

void StarField::scatter(platform::RandomSource& random)
{
    for (int i = 0; i < kStarCount; ++i) {
        m_x[i] = across(random, kFieldWidth);
        m_y[i] = across(random, kFieldHeight);
        m_speed[i] = random.rnd() * 20 + 10;
    }
}

const std::array<StarMove, kStarCount>& StarField::step(platform::RandomSource& random)
{
    for (int i = 0; i < kStarCount; ++i) {
        StarMove& move = m_moves[i];
        move.erase = {rounded(m_x[i]), rounded(m_y[i])};
        m_y[i] += m_speed[i];
        if (m_y[i] > kFieldHeight) {
            m_y[i] = 0;
            m_speed[i] = random.rnd() * 30 + 5;
            m_x[i] = across(random, kFieldWidth);
            // The point erased is the corner, so the star's last point near the bottom stays.
            move.erase = {0, 0};
        }
        move.draw = {rounded(m_x[i]), rounded(m_y[i])};
    }
    return m_moves;
}

} // namespace exercises::game
