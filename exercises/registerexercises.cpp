#include "exercises/registerexercises.h"

#include "exercises/drilldescriptions.h"
#include "exercises/drillwindow.h"
#include "shell/exerciseregistry.h"
#include "shell/frmabout.h"
#include "shell/frmmaint.h"

namespace exercises {
namespace {

// A window whose constructor takes only its parent.
template <typename Window> void registerWindow(const QString& windowName)
{
    shell::registerExercise(windowName, [](QWidget* parent) -> QDialog* { return new Window(parent); });
}

} // namespace

void registerExerciseWindows()
{
    for (const DrillDescription& description : drillDescriptions()) {
        shell::registerExercise(description.windowName, [&description](QWidget* parent) -> QDialog* {
            return new DrillWindow(description, parent);
        });
    }
    // One line a window.
    registerWindow<frmAbout>(QStringLiteral("frmAbout"));
    registerWindow<frmmaint>(QStringLiteral("frmmaint"));
}

} // namespace exercises
