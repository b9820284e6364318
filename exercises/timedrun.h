// What a timed drill run needs to know about its window: the lessons it serves, its texts, and the
// few ways the drills differ in how a run starts, stops and is left. TimedRunWindow runs it.
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace shell {
struct Lesson;
}

namespace exercises {

struct RunLesson
{
    QString title;        // exercise title that selects the lesson (windows with one lesson take it always)
    QString table;        // lesson table, opened as named
    int helpStringId = 0; // string resource with the help text, or 0 ...
    QString helpText;     // ... and then this text
    int icon = 0;         // icon resource of the window
};

// What the start makes of a time box whose number is outside 1..60.
enum class MinutesAtStart
{
    KeepText,     // counts down ten minutes; the box keeps what the user typed
    ShowDefault,  // counts down ten minutes and the box shows "10"
    TimeBoxCheck, // leaves it to the time box's own check, as if the box had been left
};

struct TimedRun
{
    QString windowName;
    QList<RunLesson> lessons;
    QString prompt;     // panel 1 at start
    QString soundAtEnd; // WAVE resource played at 00:00
    MinutesAtStart minutesAtStart = MinutesAtStart::KeepText;
    // Typing through the input method: switched on at start, back to US English at stop.
    bool inputMethodDuringRun = true;
    bool englishOnExitButton = false; // the exit button switches to US English before closing
    bool checksTimeBoxOnLeave = true; // selects the text on entering the time box, checks it on leaving
    int timeBoxMaxLength = 2;         // 0: no limit
    // A lesson that cannot be read as the window opens ends the program after the message.
    bool endsProgramOnLoadError = false;
};

// The lesson the window opens for an exercise title: its only lesson, or the one with that title;
// nullptr when a window with several lessons gets a title that is none of them.
const RunLesson* lessonFor(const TimedRun& run, const QString& exerciseTitle);

// The lessons of the main window's catalogue that `windowName` serves, in catalogue order. A lesson
// whose help is no string resource takes its text from `ownHelp`.
QList<RunLesson> catalogueLessons(const QString& windowName,
                                  const std::function<QString(const shell::Lesson&)>& ownHelp = {});

// The title of the main program, which heads its database-error messages.
QString applicationTitle();

} // namespace exercises
