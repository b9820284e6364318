// The figures of a finished drill run, handed to the shared score procedure.
#pragma once

namespace exercises {

// Sets the three result figures from a run's counts and elapsed minutes. The shared procedure takes
// 16-bit counts; counts beyond that are brought into range together with the minutes, by the same
// factor, so accuracy and speeds stay what the full counts give.
void computeRunScores(int correct, int typed, float minutes);

} // namespace exercises
