#include "exercises/runscores.h"

#include "shell/module1.h"

#include <cstdint>
#include <limits>

namespace exercises {

void computeRunScores(int correct, int typed, float minutes)
{
    constexpr int kLimit = std::numeric_limits<std::int16_t>::max();
    const int largest = typed > correct ? typed : correct;
    const int factor = largest > kLimit ? largest / kLimit + 1 : 1;
    Module1::ComputeScores(static_cast<std::int16_t>(correct / factor),
                           static_cast<std::int16_t>(typed / factor), minutes / static_cast<float>(factor));
}

} // namespace exercises
