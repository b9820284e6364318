// The article test's rules, without widgets: where each character stands on the sheet, when a typed
// character counts as the article's, how the indicator keys move, how the view follows, and the
// figures of the check.
#pragma once

#include <QChar>
#include <QPoint>

namespace exercises {

inline constexpr int kArticleColumns = 15;
inline constexpr int kArticleCellWidth = 32;  // pixels
inline constexpr int kArticleCharHeight = 30; // the character in the upper half of its row
inline constexpr int kArticleRowHeight = 60;  // the indicator below it in the lower half
inline constexpr int kArticleVisibleRows = 6;

// Left and top of character `position` (1-based) on the sheet.
QPoint articleCellPosition(int position);
// Left and top of the indicator under character `position`.
QPoint indicatorPosition(int position);
// Rows of an article of `length` characters, and how far its view can scroll (never below 0).
int articleRows(int length);
int articleScrollMaximum(int length);

// The typed character counts as the article's when it is the same or when the two code units, read
// as signed 16-bit numbers, lie exactly 288 apart: so an ASCII character stands for its full-width
// form and the other way round.
bool matchesArticleCharacter(QChar typed, QChar shown);

// Where the indicator goes from `position` when a key with this virtual-key code is pressed in an
// article of `length` characters; other keys leave it where it is.
int indicatorAfterKey(int virtualKey, int position, int length);

// The view's first row after the indicator moved to `indicatorTop`: one row down once the indicator
// reaches the sixth visible row, one row up once it is above the first.
int viewRowFollowing(int indicatorTop, int viewRow, int scrollMaximum);

// The three result figures of a check.
struct ArticleScores
{
    float accuracy = 0;       // share of the whole article typed right
    float typingSpeed = 0;    // characters typed a minute
    float effectiveSpeed = 0; // characters typed right a minute
};
// `seconds` is above 0 and `length` too: the check runs only once the clock has moved, and only an
// article with characters is tested.
ArticleScores articleScores(int correct, int typed, int length, int seconds);

} // namespace exercises
