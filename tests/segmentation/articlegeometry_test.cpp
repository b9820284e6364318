// Where the practice view's characters and cursor stand, how the cursor moves and scrolls, and what
// the cursor tick repaints.
#include "segmentation/core/articlegeometry.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

struct PerLineCase
{
    int clientWidth;
    int characterHeight;
    int perLine;
};

using CharactersPerLineTest = ::testing::TestWithParam<PerLineCase>;

TEST_P(CharactersPerLineTest, IsTheWidthAfterTheMarginInWholeCharacters)
{
    EXPECT_EQ(charactersPerLine(GetParam().clientWidth, GetParam().characterHeight), GetParam().perLine);
}

INSTANTIATE_TEST_SUITE_P(Widths, CharactersPerLineTest,
                         ::testing::Values(PerLineCase{655, 40, 16}, PerLineCase{654, 40, 15},
                                           PerLineCase{55, 40, 1}, PerLineCase{54, 40, 0},
                                           PerLineCase{15, 40, 0}, PerLineCase{0, 40, 0},
                                           PerLineCase{300, 0, 0}));

TEST(ArticleGeometry, LinesAndScrollHeightFollowTheCharactersPerLine)
{
    EXPECT_EQ(articleLines(10, 8), 2);
    EXPECT_EQ(articleLines(16, 8), 2);
    EXPECT_EQ(articleLines(17, 8), 3);
    EXPECT_EQ(articleLines(10, 0), 0);
    EXPECT_EQ(articleScrollHeight(3), 240);
    // Cells follow the font: the eleventh character of lines of eight sits third on the second line.
    EXPECT_EQ(characterCellPosition(10, 8, 41), QPoint(2 * 41 + 15, 41 * 2));
}

TEST(CursorGridTest, PlacesTheIconByFixedFortyAndEightyPixelSteps)
{
    const CursorGrid grid(8);
    EXPECT_EQ(grid.iconPosition(0, 0), QPoint(15, 45));
    EXPECT_EQ(grid.iconPosition(11, 0), QPoint(3 * 40 + 15, 80 + 45));
    EXPECT_EQ(grid.iconPosition(11, 40), QPoint(3 * 40 + 15, 80 - 40 + 45));
}

TEST(CursorGridTest, ALineTooNarrowForACharacterCountsAsALineOfOne)
{
    const CursorGrid grid(0);
    EXPECT_EQ(grid.perLine(), 1);
    EXPECT_EQ(grid.row(3), 3);
    EXPECT_EQ(grid.column(3), 0);
    EXPECT_EQ(stepCursor(CursorMove::Down, 3, grid, 10, 0, 1000).cursor, 4);
    EXPECT_FALSE(partialRedrawBands(3, grid, 0, QSize(10, 400)));
}

struct MoveCase
{
    const char* name;
    CursorMove move;
    int from;
    int to;
};

using CursorMoveTest = ::testing::TestWithParam<MoveCase>;

// Ten characters, eight to a line: the second line holds two.
TEST_P(CursorMoveTest, StaysInsideTheArticle)
{
    EXPECT_EQ(stepCursor(GetParam().move, GetParam().from, CursorGrid(8), 10, 0, 1000).cursor, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(TenCharacters, CursorMoveTest,
                         ::testing::Values(MoveCase{"DownFromOneToNine", CursorMove::Down, 1, 9},
                                           MoveCase{"DownFromTwoStopsAtTheLast", CursorMove::Down, 2, 9},
                                           MoveCase{"DownOnTheLastLine", CursorMove::Down, 8, 9},
                                           MoveCase{"UpFromTheSecondLine", CursorMove::Up, 9, 1},
                                           MoveCase{"UpOnTheFirstLineGoesToTheStart", CursorMove::Up, 5, 0},
                                           MoveCase{"LeftAtTheStart", CursorMove::Left, 0, 0},
                                           MoveCase{"BackspaceAtTheStart", CursorMove::Backspace, 0, 0},
                                           MoveCase{"BackspaceGoesBackOne", CursorMove::Backspace, 5, 4},
                                           MoveCase{"RightAtTheLast", CursorMove::Right, 9, 9},
                                           MoveCase{"TypedAtTheLastStaysThere", CursorMove::Typed, 9, 9},
                                           MoveCase{"TypedMovesOn", CursorMove::Typed, 3, 4}),
                         [](const ::testing::TestParamInfo<MoveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CursorScroll, AnIconNearTheBottomScrollsDownAndOneNearTheTopScrollsUp)
{
    const CursorGrid grid(8);
    // Line 2's icon stands at 2 × 80 + 45 = 205; a client of 295 has its bottom margin from 205 on.
    EXPECT_EQ(stepCursor(CursorMove::Typed, 15, grid, 40, 0, 295).scrollLines, 1);
    EXPECT_EQ(stepCursor(CursorMove::Typed, 15, grid, 40, 0, 296).scrollLines, 0);
    EXPECT_EQ(stepCursor(CursorMove::Down, 9, grid, 40, 0, 295).scrollLines, 2);
    // Scrolled by 80, line 1's icon stands at 45, within 90 of the top.
    EXPECT_EQ(stepCursor(CursorMove::Left, 9, grid, 40, 80, 600).scrollLines, -1);
    EXPECT_EQ(stepCursor(CursorMove::Backspace, 9, grid, 40, 80, 600).scrollLines, -1);
    EXPECT_EQ(stepCursor(CursorMove::Up, 17, grid, 40, 80, 600).scrollLines, -2);
    // Moving right never scrolls up, moving left never down.
    EXPECT_EQ(stepCursor(CursorMove::Right, 9, grid, 40, 80, 600).scrollLines, 0);
    EXPECT_EQ(stepCursor(CursorMove::Left, 9, grid, 40, 0, 100).scrollLines, 0);
}

TEST(PartialRedraw, TwoBandsOnlyInTheRightHalfOfALine)
{
    const CursorGrid grid(8);
    EXPECT_FALSE(partialRedrawBands(4, grid, 0, QSize(400, 300))); // 8 − 4 is not below 4
    const auto bands = partialRedrawBands(8 + 5, grid, 30, QSize(400, 300));
    ASSERT_TRUE(bands);
    // Line 1 scrolled by 30: from 80 − 30 − 45 to 80 − 30 + 180; column 5: from 185 to 260.
    EXPECT_EQ((*bands)[0], QRect(QPoint(0, 5), QPoint(399, 229)));
    EXPECT_EQ((*bands)[1], QRect(QPoint(185, 0), QPoint(259, 299)));
}

} // namespace
