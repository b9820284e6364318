// What makes each of the six drill windows different from the others: page, judging rule, texts,
// sound and lessons. One window class runs them all.
#pragma once

#include "exercises/timedrun.h"

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

struct DrillDescription : TimedRun
{
    int pageSize = 0; // N
    int columns = 0;
    int rows = 0;
    JudgeRule judgeRule = JudgeRule::FixedLength;
    int judgedLength = 0; // FixedLength only
    // Characters one judged answer counts: 0 means the length of the item's word.
    int charactersCounted = 0;
    QString progressSuffix; // after the progress counts in panel 2
    QString hintJoin;       // between the item and its code in the F2 hint
    QString overlayName;    // the code overlay box
};

// The six windows, in the order frmwubushou, Frmcijm, Frmcizu2, Frmcizu3, Frmcizu4, Frmcizu5.
const QList<DrillDescription>& drillDescriptions();
// nullptr when no drill window has that name.
const DrillDescription* drillDescription(const QString& windowName);

// Characters that a judged answer to `item` counts.
int charactersCounted(const DrillDescription& drill, const QString& item);
// Whether `answer` to `item` is ready to be judged.
bool isReadyToJudge(const DrillDescription& drill, const QString& answer, const QString& item);

} // namespace exercises
