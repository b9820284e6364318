#include "shell/exerciseregistry.h"

#include <QHash>

namespace shell {
namespace {

QHash<QString, ExerciseFactory>& factories()
{
    static QHash<QString, ExerciseFactory> table;
    return table;
}

} // namespace

void registerExercise(const QString& windowName, ExerciseFactory factory)
{
    factories().insert(windowName, std::move(factory));
}

ExerciseFactory exerciseFactory(const QString& windowName)
{
    return factories().value(windowName);
}

void clearExercises()
{
    factories().clear();
}

} // namespace shell
