// What makes each of the six drill windows different from the others: page, judging rule, texts,
// sound and lessons. One window class runs them all.
#pragma once

#include <QList>
#include <QString>

namespace exercises {

// When an answer box is judged.
enum class JudgeRule
{
    AnyText,     // as soon as the box holds anything (single characters)
    FixedLength, // when the text has judgedLength characters
    ItemLength,  // when the text is as long as the item shown above the box
};

struct DrillLesson
{
    QString title;        // exercise title that selects the lesson (windows with one lesson take it always)
    QString table;        // lesson table, opened as named
    int helpStringId = 0; // string resource with the help text, or 0 ...
    QString helpText;     // ... and then this text
    int icon = 0;         // icon resource of the window
};

struct DrillDescription
{
    QString windowName;
    int pageSize = 0; // N
    int columns = 0;
    int rows = 0;
    JudgeRule judgeRule = JudgeRule::FixedLength;
    int judgedLength = 0; // FixedLength only
    // Characters one judged answer counts: 0 means the length of the item's word.
    int charactersCounted = 0;
    QString prompt;                  // panel 1 at start
    QString progressSuffix;          // after the progress counts in panel 2
    QString hintJoin;                // between the item and its code in the F2 hint
    QString soundAtEnd;              // WAVE resource played at 00:00
    bool testsMinutesAtStart = true; // the start replaces minutes outside 1..60 with 10
    bool endsProgramOnLoadError = false;
    QString overlayName; // the code overlay box
    QList<DrillLesson> lessons;
};

// The six windows, in the order frmwubushou, Frmcijm, Frmcizu2, Frmcizu3, Frmcizu4, Frmcizu5.
const QList<DrillDescription>& drillDescriptions();
// nullptr when no drill window has that name.
const DrillDescription* drillDescription(const QString& windowName);

// The lesson the window opens for an exercise title: its only lesson, or the one with that title;
// nullptr when a window with several lessons gets a title that is none of them.
const DrillLesson* lessonFor(const DrillDescription& drill, const QString& exerciseTitle);
// Characters that a judged answer to `item` counts.
int charactersCounted(const DrillDescription& drill, const QString& item);
// Whether `answer` to `item` is ready to be judged.
bool isReadyToJudge(const DrillDescription& drill, const QString& answer, const QString& item);

// The title of the main program, which heads its database-error messages.
QString applicationTitle();

} // namespace exercises
