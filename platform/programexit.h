// Ending the running program from inside an event handler (a fatal start-up or layout failure),
// behind a seam so tests can observe it instead of ending.
#pragma once

#include <functional>

namespace platform {

using ProgramEnder = std::function<void(int exitCode)>;

// Leaves every event loop as soon as control returns to one, with the exit code; before the main
// loop runs, it ends as soon as it starts.
void endProgram(int exitCode = 0);
// Tests install a recorder; an empty function restores the real ender.
void setProgramEnder(ProgramEnder ender);

} // namespace platform
