// The fifty items of one game as they fall: where each stands, which are still on show, how many
// are gone and the score.
#pragma once

#include "exercises/gamerules.h"

#include <QList>
#include <QString>
#include <array>

namespace exercises::game {

class FallingItems
{
public:
    // A new game: item 0 with its top at the field's top edge, each further item 500 above the one
    // before; all on show, none gone, score 0. Heights are the items' heights on the field.
    void start(const std::array<QString, kItemCount>& answers, const std::array<int, kItemCount>& heights);

    // One fall step: every item, on show or not, 100 lower; an item on show whose bottom edge has
    // reached the field's bottom is lost. The items lost in this step, in order.
    QList<int> fall();

    // What the answer box held when a submit key went down: the first item on show (the lowest,
    // as all fall alike) whose code equals it with the blanks around it removed is hit, scores and
    // goes. Its index, or -1 for a miss or an empty box.
    int hit(const QString& boxText);

    int top(int item) const { return m_top[item]; }
    bool isShowing(int item) const { return m_showing[item]; }
    int goneCount() const { return m_gone; }
    int score() const { return m_score; }
    bool isOver() const { return m_gone == kItemCount; }

private:
    std::array<QString, kItemCount> m_answers;
    std::array<int, kItemCount> m_top{};
    std::array<int, kItemCount> m_height{};
    std::array<bool, kItemCount> m_showing{};
    int m_gone = 0;
    int m_score = 0;
};

} // namespace exercises::game
