#include "exercises/gamerules.h"

#include "exercises/gametexts.h"
#include "shell/vbformat.h"

namespace exercises::game {
namespace {

using namespace gametexts;

} // namespace

GameMode gameModeFor(const QString& exerciseTitle)
{
    if (exerciseTitle == kGameTestTitle)
        return {true, 18, 14, 125};
    return {false, 15, 13, 103};
}

QString scoreRemark(int score)
{
    // Tested in order, a later band replacing an earlier one, so 80 falls to the third.
    QString remark;
    if (score < 60)
        remark = kRemarkKeepGoing.toString();
    if (score >= 60 && score <= 80)
        remark = kRemarkFair.toString();
    if (score >= 80 && score <= 90)
        remark = kRemarkGood.toString();
    if (score > 90)
        remark = kRemarkCool.toString();
    return remark;
}

QString gameOverText(int score)
{
    return kScoreMessageBefore.toString() + QString::number(score) + kScoreMessageAfter.toString() +
           scoreRemark(score);
}

int swayIntervalFor(int fallInterval)
{
    return shell::vb::cint(fallInterval / 2.0).value_or(fallInterval / 2);
}

Sway swayStep(Sway sway)
{
    if (!sway.swayRight) {
        sway.left += kHintStep;
        if (sway.left >= kHintTurnRight)
            sway.swayRight = true;
    } else {
        sway.left -= kHintStep;
        if (sway.left <= kHintTurnLeft)
            sway.swayRight = false;
    }
    return sway;
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace exercises::game
