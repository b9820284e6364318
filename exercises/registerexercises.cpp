#include "exercises/registerexercises.h"

#include "exercises/drilldescriptions.h"
#include "exercises/drillwindow.h"
#include "exercises/frmbixing.h"
#include "exercises/frmkeypad1.h"
#include "exercises/frmplay.h"
#include "exercises/frmtest.h"
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
    registerWindow<Frmbixing>(QStringLiteral("Frmbixing"));
    registerWindow<frmtest>(QStringLiteral("frmtest"));
    registerWindow<frmkeypad1>(QStringLiteral("frmkeypad1"));
    registerWindow<frmplay>(QStringLiteral("frmplay"));
}

} // namespace exercises
