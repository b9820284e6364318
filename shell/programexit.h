// Ending the main program at once (what start-up, the exit sequence and fatal data errors do; the
// platform's ender, which tests replace), and the clean-up of the button pictures written at start-up.
#pragma once

#include "platform/programexit.h"

#include <QString>

namespace shell {

using platform::endProgram;
using platform::ProgramEnder;
using platform::setProgramEnder;

// Deletes every "*.gif" file in folder, one by one; a file that cannot be deleted is skipped.
void deleteGifFiles(const QString& folder);

} // namespace shell
