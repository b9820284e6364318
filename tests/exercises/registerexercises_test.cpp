// One registration makes every window the main window opens by name.
#include "exercises/registerexercises.h"
#include "tests/exercises/drillfixture.h"

#include "shell/exerciseregistry.h"

namespace drilltest {
namespace {

TEST_F(DrillTest, EveryWindowIsRegisteredUnderItsOwnName)
{
    // Each window that joins the registration joins this list.
    const QStringList windows{QStringLiteral("frmwubushou"), QStringLiteral("Frmcijm"),
                              QStringLiteral("Frmcizu2"),    QStringLiteral("Frmcizu3"),
                              QStringLiteral("Frmcizu4"),    QStringLiteral("Frmcizu5"),
                              QStringLiteral("frmAbout"),    QStringLiteral("frmmaint")};
    shell::clearExercises();
    exercises::registerExerciseWindows();
    for (const QString& name : windows) {
        const shell::ExerciseFactory factory = shell::exerciseFactory(name);
        ASSERT_TRUE(factory) << name.toStdString();
        const std::unique_ptr<QDialog> window(factory(nullptr));
        EXPECT_EQ(window->objectName(), name);
    }
}

} // namespace
} // namespace drilltest
