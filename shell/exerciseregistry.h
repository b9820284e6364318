// The main window opens exercises by window name; the program registers the windows it has.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace shell {

using ExerciseFactory = std::function<QDialog*(QWidget* parent)>;

void registerExercise(const QString& windowName, ExerciseFactory factory);
// Nothing when no window of that name is registered.
ExerciseFactory exerciseFactory(const QString& windowName);
void clearExercises();

} // namespace shell
