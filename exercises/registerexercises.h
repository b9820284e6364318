// Makes every window that the main window opens by name known to it: the exercises of this folder
// and the shell's own windows. The program and the tests call it alike.
#pragma once

namespace exercises {

// Each window opens what gExerciseTitle names as it loads, so the caller sets the title before it
// asks for the window; the caller owns the window it gets.
void registerExerciseWindows();

} // namespace exercises
