// Makes the exercise windows of this folder known to the main window by their window names.
#pragma once

namespace exercises {

// frmwubushou, Frmcijm, Frmcizu2, Frmcizu3, Frmcizu4 and Frmcizu5. Each window opens the lesson
// that gExerciseTitle names, so the caller sets the title before it asks for the window; the caller
// owns the window it gets.
void registerDrillWindows();

} // namespace exercises
