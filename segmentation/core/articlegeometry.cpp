#include "segmentation/core/articlegeometry.h"

#include <algorithm>

namespace segmentation {

int charactersPerLine(int clientWidth, int characterHeight)
{
    if (characterHeight <= 0 || clientWidth <= kLeftMargin)
        return 0;
    return (clientWidth - kLeftMargin) / characterHeight;
}

int articleLines(int characters, int perLine)
{
    if (perLine <= 0 || characters <= 0)
        return 0;
    return (characters + perLine - 1) / perLine;
}

int articleScrollHeight(int lines)
{
    return lines * kCursorRowHeight;
}

QPoint characterCellPosition(int index, int perLine, int cellHeight)
{
    return QPoint(index % perLine * cellHeight + kLeftMargin, index / perLine * cellHeight * 2);
}

QPoint CursorGrid::iconPosition(int cursor, int scrollY) const
{
    return QPoint(column(cursor) * kCursorCellWidth + kLeftMargin,
                  row(cursor) * kCursorRowHeight - scrollY + kCursorIconTop);
}

CursorStep stepCursor(CursorMove move, int cursor, const CursorGrid& grid, int length, int scrollY,
                      int clientHeight)
{
    const int last = std::max(0, length - 1);
    const int perLine = grid.perLine();
    CursorStep step{cursor, 0};
    int down = 0; // lines to scroll when the icon ends near the bottom
    int up = 0;   // and near the top
    switch (move) {
    case CursorMove::Typed:
    case CursorMove::Right:
        step.cursor = std::min(cursor + 1, last);
        down = 1;
        break;
    case CursorMove::Backspace:
    case CursorMove::Left:
        step.cursor = std::max(cursor - 1, 0);
        up = 1;
        break;
    case CursorMove::Up:
        step.cursor = cursor < perLine ? 0 : cursor - perLine;
        up = 2;
        break;
    case CursorMove::Down:
        step.cursor = cursor + perLine <= last ? cursor + perLine : last;
        down = 2;
        break;
    }
    const int iconY = grid.iconPosition(step.cursor, scrollY).y();
    if (down > 0 && iconY >= clientHeight - kScrollMargin)
        step.scrollLines = down;
    else if (up > 0 && iconY <= kScrollMargin)
        step.scrollLines = -up;
    return step;
}

std::optional<std::array<QRect, 2>> partialRedrawBands(int cursor, const CursorGrid& grid, int scrollY,
                                                       QSize client)
{
    const int perLine = grid.perLine();
    const int column = grid.column(cursor);
    if (perLine - column >= perLine / 2)
        return std::nullopt;
    const int lineTop = grid.row(cursor) * kCursorRowHeight - scrollY;
    const int columnLeft = column * kCursorCellWidth;
    // From lineTop − 45 to lineTop + 180, and from columnLeft − 15 to columnLeft + 60, ends excluded.
    return std::array<QRect, 2>{QRect(0, lineTop - 45, client.width(), 225),
                                QRect(columnLeft - 15, 0, 75, client.height())};
}

} // namespace segmentation
