#include "exercises/timedrun.h"

#include "shell/lessoncatalogue.h"

namespace exercises {

const RunLesson* lessonFor(const TimedRun& run, const QString& exerciseTitle)
{
    if (run.lessons.size() == 1)
        return &run.lessons.front();
    for (const RunLesson& lesson : run.lessons) {
        if (lesson.title == exerciseTitle)
            return &lesson;
    }
    return nullptr;
}

QList<RunLesson> catalogueLessons(const QString& windowName,
                                  const std::function<QString(const shell::Lesson&)>& ownHelp)
{
    QList<RunLesson> lessons;
    for (const shell::Lesson& lesson : shell::lessonCatalogue()) {
        if (lesson.window != windowName)
            continue;
        const QString help = lesson.helpStringId == 0 && ownHelp ? ownHelp(lesson) : QString();
        lessons.append({lesson.title, lesson.table, lesson.helpStringId, help, lesson.icon});
    }
    return lessons;
}

QString applicationTitle()
{
    return QStringLiteral("Talvoren汉字教学软件");
}

} // namespace exercises
