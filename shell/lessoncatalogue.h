// The eleven lessons of the main window: title, drill window, lesson table, help text and icon.
#pragma once

#include <QList>
#include <QString>

namespace shell {

struct Lesson
{
    int index = 0;
    QString title;        // the exercise title, also the caption of the lesson's drill menu item
    QString window;       // name of the drill window in the exercise registry
    QString table;        // lesson table in the code database
    int helpStringId = 0; // string resource with the help text; 0 when the window brings its own
    int icon = 0;         // icon resource: the lesson's icon in the main window and the drill's window icon
    QString label;        // caption under the lesson's icon in the main window
};

// Index order, 0 to 10.
const QList<Lesson>& lessonCatalogue();

} // namespace shell
