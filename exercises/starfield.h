// The stars that drift down behind the falling items: each step moves every star and says which
// point to erase and which to draw, so the field is redrawn point by point, never as a whole.
#pragma once

#include "exercises/gamerules.h"

#include <array>

namespace platform {
class RandomSource;
}

namespace exercises::game {

struct StarPoint
{
    int x = 0; // twips
    int y = 0;
    bool operator==(const StarPoint&) const = default;
};

struct StarMove
{
    StarPoint erase; // where the star stood, or the field's corner when it starts again at the top
    StarPoint draw;  // where it stands now
};

class StarField
{
public:
    // Every star at a random place on the field, with a fall of 10 to 30 a step.
    void scatter(platform::RandomSource& random);
    // Moves every star down by its fall; a star past the bottom starts again at the top at a random
    // place, with a new fall of 5 to 35.
    const std::array<StarMove, kStarCount>& step(platform::RandomSource& random);

    float x(int star) const { return m_x[star]; }
    float y(int star) const { return m_y[star]; }
    float speed(int star) const { return m_speed[star]; }

private:
    std::array<float, kStarCount> m_x{};
    std::array<float, kStarCount> m_y{};
    std::array<float, kStarCount> m_speed{};
    std::array<StarMove, kStarCount> m_moves{};
};

} // namespace exercises::game
