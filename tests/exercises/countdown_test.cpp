#include "exercises/countdown.h"
#include "exercises/runscores.h"
#include "shell/module1.h"

#include <gtest/gtest.h>

namespace {

using exercises::Countdown;

TEST(Countdown, FirstStepBorrowsAMinute)
{
    Countdown clock;
    clock.start(10);
    EXPECT_EQ(clock.text(), QStringLiteral("10:00"));
    EXPECT_FALSE(clock.step());
    EXPECT_EQ(clock.text(), QStringLiteral("09:59"));
}

TEST(Countdown, HasSteppedFromTheFirstStepOnUntilTheNextStart)
{
    Countdown clock;
    clock.start(1);
    EXPECT_FALSE(clock.hasStepped());
    clock.step();
    EXPECT_TRUE(clock.hasStepped());
    for (int step = 1; step < 60; ++step)
        clock.step();
    EXPECT_TRUE(clock.hasStepped()); // at 00:00
    clock.start(1);
    EXPECT_FALSE(clock.hasStepped());
}

TEST(Countdown, ReachesZeroAfterTheFullTimeAndNotBefore)
{
    Countdown clock;
    clock.start(2);
    for (int step = 1; step < 120; ++step)
        ASSERT_FALSE(clock.step()) << step;
    EXPECT_TRUE(clock.step());
    EXPECT_EQ(clock.text(), QStringLiteral("00:00"));
    EXPECT_DOUBLE_EQ(clock.elapsedMinutes(2), 2.0);
}

TEST(Countdown, ElapsedTimeCountsSteps)
{
    Countdown clock;
    clock.start(10);
    for (int step = 0; step < 30; ++step)
        clock.step();
    EXPECT_DOUBLE_EQ(clock.elapsedMinutes(10), 0.5);
    for (int step = 0; step < 60; ++step)
        clock.step();
    EXPECT_DOUBLE_EQ(clock.elapsedMinutes(10), 1.5);
}

TEST(Countdown, FractionalEntryReadsAsEnteredAtZero)
{
    Countdown clock;
    clock.start(1); // ".9" rounds to one minute
    while (!clock.step()) {
    }
    EXPECT_NEAR(clock.elapsedMinutes(0.9), 0.9, 1e-9);
}

TEST(Countdown, FractionalEntryNeverGivesANegativeTime)
{
    Countdown clock;
    clock.start(1);
    EXPECT_DOUBLE_EQ(clock.elapsedMinutes(0.9), 0.0);
    for (int step = 0; step < 3; ++step)
        clock.step();
    EXPECT_DOUBLE_EQ(clock.elapsedMinutes(0.9), 3 / 60.0);
}

TEST(RunScores, CountsWithin16BitsGoStraightToTheSharedProcedure)
{
    exercises::computeRunScores(400, 410, 5);
    EXPECT_FLOAT_EQ(Module1::gAccuracy, 0.97f);
    EXPECT_EQ(Module1::gTypingSpeed, 82.0f);
    EXPECT_EQ(Module1::gEffectiveSpeed, 80.0f);
}

TEST(RunScores, CountsBeyond16BitsDoNotWrap)
{
    exercises::computeRunScores(40000, 50000, 100);
    EXPECT_FLOAT_EQ(Module1::gAccuracy, 0.8f);
    EXPECT_EQ(Module1::gTypingSpeed, 500.0f);
    EXPECT_EQ(Module1::gEffectiveSpeed, 400.0f);
}

} // namespace
