// Ending the main program at once (what start-up, the exit sequence and fatal data errors do), behind a
// seam so tests can observe it, and the clean-up of the button pictures written at start-up.
#pragma once

#include <QString>
#include <functional>

namespace shell {

using ProgramEnder = std::function<void(int exitCode)>;

// Leaves every event loop as soon as control returns to one; before the main loop runs, it ends as
// soon as it starts.
void endProgram(int exitCode = 0);
// Tests install a recorder; an empty function restores the real ender.
void setProgramEnder(ProgramEnder ender);

// Deletes every "*.gif" file in folder, one by one; a file that cannot be deleted is skipped.
void deleteGifFiles(const QString& folder);

} // namespace shell
