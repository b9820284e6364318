#include "exercises/fallingitems.h"

namespace exercises::game {

void FallingItems::start(const std::array<QString, kItemCount>& answers,
                         const std::array<int, kItemCount>& heights)
{
    m_answers = answers;
    m_height = heights;
    for (int i = 0; i < kItemCount; ++i) {
        m_top[i] = -kItemSpacing * i;
        m_showing[i] = true;
    }
    m_gone = 0;
    m_score = 0;
}

QList<int> FallingItems::fall()
{
    QList<int> lost;
    for (int i = 0; i < kItemCount; ++i) {
        m_top[i] += kFallStep;
        if (m_showing[i] && m_top[i] + m_height[i] >= kFieldHeight) {
            m_showing[i] = false;
            ++m_gone;
            lost.append(i);
        }
    }
    return lost;
}

int FallingItems::hit(const QString& boxText)
{
    if (boxText.isEmpty())
        return -1;
    const QString typed = trimBlanks(boxText);
    for (int i = 0; i < kItemCount; ++i) {
        if (m_showing[i] && m_answers[i] == typed) {
            m_showing[i] = false;
            ++m_gone;
            m_score += kHitScore;
            return i;
        }
    }
    return -1;
}

} // namespace exercises::game
