#include "exercises/registerexercises.h"

#include "exercises/drilldescriptions.h"
#include "exercises/drillwindow.h"
#include "shell/exerciseregistry.h"

namespace exercises {

void registerDrillWindows()
{
    for (const DrillDescription& description : drillDescriptions()) {
        shell::registerExercise(description.windowName, [&description](QWidget* parent) -> QDialog* {
            return new DrillWindow(description, parent);
        });
    }
}

} // namespace exercises
