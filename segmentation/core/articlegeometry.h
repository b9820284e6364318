// Where the practice view puts the article's characters and the typing cursor, how the cursor moves
// and scrolls, and what the cursor tick repaints. The character cells follow the font; the cursor's
// geometry is fixed, whatever the font.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace segmentation {

inline constexpr int kLeftMargin = 15;      // pixels before the first column
inline constexpr int kCursorCellWidth = 40; // the cursor's column width
inline constexpr int kCursorRowHeight = 80; // the cursor's line height
inline constexpr int kCursorIconTop = 45;   // the icon's top below its line's top
inline constexpr int kCursorIconSize = 32;
inline constexpr int kScrollLine = 40;   // one vertical scroll line
inline constexpr int kScrollMargin = 90; // an icon this near an edge scrolls the view

// Characters per line: (client width − 15) / character height; 0 when not one character fits.
int charactersPerLine(int clientWidth, int characterHeight);
// Lines the characters take; 0 when no character fits on a line.
int articleLines(int characters, int perLine);
// The article's scroll height: 80 pixels a line.
int articleScrollHeight(int lines);

// Where a character's cell starts: x = column × cell + 15, y = row × cell × 2.
QPoint characterCellPosition(int index, int perLine, int cellHeight);

// The cursor's arithmetic counts a line too narrow for a character as a line of one, so that in a
// client area too narrow for one character the cursor still moves and nothing divides by zero.
class CursorGrid
{
public:
    explicit CursorGrid(int charactersPerLine) : m_perLine(charactersPerLine > 0 ? charactersPerLine : 1) {}

    int perLine() const { return m_perLine; }
    int row(int cursor) const { return cursor / m_perLine; }
    int column(int cursor) const { return cursor % m_perLine; }
    // The cursor icon's top left in client coordinates.
    QPoint iconPosition(int cursor, int scrollY) const;

private:
    int m_perLine;
};

enum class CursorMove
{
    Typed, // a character was judged: one on, never past the last character
    Backspace,
    Left,
    Right,
    Up,
    Down,
};

struct CursorStep
{
    int cursor = 0;
    int scrollLines = 0; // lines to scroll the view, negative upwards
};

// The cursor after a move in an article of length characters, and how far the view scrolls when the
// cursor's icon ends near the bottom (within 90 pixels) or the top of the client area.
CursorStep stepCursor(CursorMove move, int cursor, const CursorGrid& grid, int length, int scrollY,
                      int clientHeight);

// What the cursor tick repaints once the cursor has moved: when its column lies in the right half of
// the line (perLine − column < perLine / 2), a full-width band around its line and a full-height band
// around its column; otherwise nothing is returned and the whole client area is repainted.
std::optional<std::array<QRect, 2>> partialRedrawBands(int cursor, const CursorGrid& grid, int scrollY,
                                                       QSize client);

} // namespace segmentation
