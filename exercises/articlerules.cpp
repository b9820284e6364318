#include "exercises/articlerules.h"

#include "platform/wintypes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace exercises {

QPoint articleCellPosition(int position)
{
    return {((position - 1) % kArticleColumns) * kArticleCellWidth,
            ((position - 1) / kArticleColumns) * kArticleRowHeight};
}

QPoint indicatorPosition(int position)
{
    return articleCellPosition(position) + QPoint(0, kArticleCharHeight);
}

int articleRows(int length)
{
    return length <= 0 ? 0 : (length - 1) / kArticleColumns + 1;
}

int articleScrollMaximum(int length)
{
    // An article of fewer rows than the view shows does not scroll.
    return std::max(0, articleRows(length) - kArticleVisibleRows);
}

bool matchesArticleCharacter(QChar typed, QChar shown)
{
    if (typed == shown)
        return true;
    // Apart in a wider type, so that two code units far apart never wrap round to 288.
    const int difference =
        int(static_cast<std::int16_t>(typed.unicode())) - int(static_cast<std::int16_t>(shown.unicode()));
    return std::abs(difference) == 288;
}

int indicatorAfterKey(int virtualKey, int position, int length)
{
    const auto row = [](int p) { return (p - 1) / kArticleColumns; };
    switch (virtualKey) {
    case platform::VK_RIGHT:
        return position < length ? position + 1 : position;
    case platform::VK_LEFT:
    case platform::VK_BACK:
        return position > 1 ? position - 1 : position;
    case platform::VK_DOWN:
        return length - position >= kArticleColumns ? position + kArticleColumns : length;
    case platform::VK_UP:
        return row(position) > 0 ? position - kArticleColumns : position;
    default:
        return position;
    }
}

int viewRowFollowing(int indicatorTop, int viewRow, int scrollMaximum)
{
    int row = viewRow;
    if (indicatorTop > row * kArticleRowHeight + (kArticleVisibleRows - 1) * kArticleRowHeight &&
        row < scrollMaximum)
        ++row;
    if (indicatorTop <= row * kArticleRowHeight && row > 0)
        --row;
    return row;
}

ArticleScores articleScores(int correct, int typed, int length, int seconds)
{
    ArticleScores scores;
    scores.accuracy = static_cast<float>(double(correct) / length);
    scores.typingSpeed = static_cast<float>(double(typed) / seconds * 60);
    scores.effectiveSpeed = static_cast<float>(double(correct) / seconds * 60);
    return scores;
}

} // namespace exercises
