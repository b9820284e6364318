// The falling-codes game's rules, its falling items and its stars, without a window.
#include "exercises/fallingitems.h"
#include "exercises/gamerules.h"
#include "exercises/starfield.h"
#include "tests/support/fixedrandom.h"

#include <gtest/gtest.h>

namespace {

using namespace exercises::game;

TEST(GameRules, ScoreBandsAreTestedInOrderSoTheirEdgesGoUp)
{
    const std::pair<int, const char*> bands[] = {{0, "加油，加油!!"},       {58, "加油，加油!!"},
                                                 {60, "还可以,继续努力!!"}, {78, "还可以,继续努力!!"},
                                                 {80, "真棒,继续努力!!"},   {90, "真棒,继续努力!!"},
                                                 {92, "好酷,但不要骄傲!!"}, {100, "好酷,但不要骄傲!!"}};
    for (const auto& [score, remark] : bands)
        EXPECT_EQ(scoreRemark(score), QString::fromUtf8(remark)) << score;
}

TEST(GameRules, GameOverTextPutsTheScoreBeforeTheRemark)
{
    EXPECT_EQ(gameOverText(58), QStringLiteral("您的成绩为58！ 加油，加油!!"));
}

TEST(GameRules, ModeByExerciseTitle)
{
    const GameMode test = gameModeFor(QStringLiteral("游戏测试"));
    EXPECT_TRUE(test.showsCharacters);
    EXPECT_EQ(test.fontSize, 18);
    EXPECT_EQ(test.instructions, 14);
    EXPECT_EQ(test.icon, 125);
    for (const QString& title :
         {QStringLiteral("小键盘游戏"), QString(), QStringLiteral("Talvoren汉字测试")}) {
        const GameMode pad = gameModeFor(title);
        EXPECT_FALSE(pad.showsCharacters);
        EXPECT_EQ(pad.fontSize, 15);
        EXPECT_EQ(pad.instructions, 13);
        EXPECT_EQ(pad.icon, 103);
    }
}

TEST(GameRules, SwayIntervalIsHalfWithHalvesToEven)
{
    EXPECT_EQ(swayIntervalFor(200), 100);
    EXPECT_EQ(swayIntervalFor(800), 400);
    EXPECT_EQ(swayIntervalFor(333), 166);
    EXPECT_EQ(swayIntervalFor(335), 168);
}

TEST(GameRules, HintSwingsBetweenTwentyAndEightHundredTwenty)
{
    Sway sway;
    QList<int> lefts;
    for (int step = 0; step < 18; ++step) {
        sway = swayStep(sway);
        lefts.append(sway.left);
    }
    EXPECT_EQ(lefts, (QList<int>{220, 320, 420, 520, 620, 720, 820, 720, 620, 520, 420, 320, 220, 120, 20,
                                 120, 220, 320}));
}

TEST(GameRules, TrimTakesOnlyBlanks)
{
    EXPECT_EQ(trimBlanks(QStringLiteral("  123 ")), QStringLiteral("123"));
    EXPECT_EQ(trimBlanks(QStringLiteral("\t123")), QStringLiteral("\t123"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
}

class FallingItemsTest : public ::testing::Test
{
protected:
    void start(const QString& sameCodeAt = {}, QList<int> at = {})
    {
        std::array<QString, kItemCount> answers;
        std::array<int, kItemCount> heights;
        for (int i = 0; i < kItemCount; ++i) {
            answers[i] = at.contains(i) ? sameCodeAt : QString::number(1000 + i);
            heights[i] = 300;
        }
        items.start(answers, heights);
    }
    FallingItems items;
};

TEST_F(FallingItemsTest, ItemsStartFiveHundredApartAboveTheField)
{
    start();
    EXPECT_EQ(items.top(0), 0);
    EXPECT_EQ(items.top(1), -500);
    EXPECT_EQ(items.top(49), -24500);
    EXPECT_EQ(items.goneCount(), 0);
}

TEST_F(FallingItemsTest, AnItemIsLostOnceWhenItsBottomReachesTheFieldsBottom)
{
    start();
    // 300 high: lost when its top reaches 4395, after 44 steps.
    for (int step = 1; step < 44; ++step)
        EXPECT_TRUE(items.fall().isEmpty()) << step;
    EXPECT_EQ(items.fall(), QList<int>{0});
    EXPECT_FALSE(items.isShowing(0));
    EXPECT_EQ(items.goneCount(), 1);
    for (int step = 0; step < 4; ++step)
        EXPECT_TRUE(items.fall().isEmpty());
    EXPECT_EQ(items.fall(), QList<int>{1});
    EXPECT_EQ(items.goneCount(), 2);
    EXPECT_EQ(items.top(0), 4900); // lost items go on falling
}

TEST_F(FallingItemsTest, GameIsOverWhenTheFiftiethIsLost)
{
    start();
    int steps = 0;
    while (!items.isOver()) {
        items.fall();
        ++steps;
    }
    EXPECT_EQ(steps, 44 + 49 * 5);
    EXPECT_EQ(items.score(), 0);
}

TEST_F(FallingItemsTest, AHitTakesTheLowestItemOnShowWithThatCode)
{
    start(QStringLiteral("77"), {3, 8});
    EXPECT_EQ(items.hit(QStringLiteral(" 77 ")), 3);
    EXPECT_EQ(items.hit(QStringLiteral("77")), 8);
    EXPECT_EQ(items.hit(QStringLiteral("77")), -1);
    EXPECT_EQ(items.score(), 4);
    EXPECT_EQ(items.goneCount(), 2);
}

TEST_F(FallingItemsTest, MissesAndEmptyBoxesCostNothing)
{
    start(QString(), {5}); // an item without a code is never hit by an empty box
    EXPECT_EQ(items.hit(QString()), -1);
    EXPECT_EQ(items.hit(QStringLiteral("9")), -1);
    EXPECT_EQ(items.score(), 0);
    EXPECT_EQ(items.goneCount(), 0);
}

TEST(StarField, StarsScatterOverTheFieldAndFallBy10To30)
{
    testsupport::FixedRandom random;
    random.setValues({0.5f, 0.25f, 0.0f, 0.9999f, 0.9999f, 0.9999f});
    StarField stars;
    stars.scatter(random);
    EXPECT_EQ(stars.x(0), 3127); // int(0.5 × 6255)
    EXPECT_EQ(stars.y(0), 1173);
    EXPECT_FLOAT_EQ(stars.speed(0), 10);
    EXPECT_EQ(stars.x(1), 6254);
    EXPECT_EQ(stars.y(1), 4694);
    EXPECT_NEAR(stars.speed(1), 30, 0.01);
    EXPECT_EQ(random.calls(), 3 * kStarCount);
}

TEST(StarField, EachStepErasesTheOldPointAndDrawsTheNew)
{
    testsupport::FixedRandom random;
    random.setValues({0.5f, 0.25f, 0.5f}); // speed 20
    StarField stars;
    stars.scatter(random);
    const StarMove move = stars.step(random)[0];
    EXPECT_EQ(move.erase, (StarPoint{3127, 1173}));
    EXPECT_EQ(move.draw, (StarPoint{3127, 1193}));
}

TEST(StarField, AStarPastTheBottomStartsAgainAtTheTopErasingTheCorner)
{
    testsupport::FixedRandom random;
    random.setValues({0.25f, 0.9999f, 0.9999f}); // at the bottom, falling 30 a step
    StarField stars;
    stars.scatter(random);
    random.setValues({0.0f, 0.5f}); // new speed 5, new place half-way across
    const StarMove move = stars.step(random)[0];
    EXPECT_EQ(move.erase, (StarPoint{0, 0}));
    EXPECT_EQ(move.draw, (StarPoint{3127, 0}));
    EXPECT_FLOAT_EQ(stars.speed(0), 5);
}

} // namespace
