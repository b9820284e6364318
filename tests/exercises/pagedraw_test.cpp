// The page draw on its own: which positions a sequence of random numbers gives.
#include "exercises/pagedraw.h"
#include "tests/support/fixedrandom.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Scripted numbers; a draw that never ends fails instead of hanging.
class BoundedRandom : public testsupport::FixedRandom
{
public:
    float rnd() override
    {
        if (calls() >= 100)
            throw std::runtime_error("the page draw does not end");
        return FixedRandom::rnd();
    }
};

struct DrawCase
{
    const char* name;
    int recordCount;
    int pageSize;
    QList<float> numbers;
    QSet<std::int32_t> refusedBefore; // found unusable on an earlier page
    QSet<std::int32_t> unusable;      // rows the reader refuses
    std::optional<QList<std::int32_t>> page;
    QSet<std::int32_t> refusedAfter;
};

void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << c.name;
}

class PageDraw : public ::testing::TestWithParam<DrawCase>
{
};

TEST_P(PageDraw, GivesDistinctUsablePositionsBelowTheLastRow)
{
    const DrawCase& c = GetParam();
    BoundedRandom random;
    random.setValues(c.numbers);
    QSet<std::int32_t> refused = c.refusedBefore;
    QList<std::int32_t> asked;
    const auto page = exercises::drawPage(c.recordCount, c.pageSize, random, refused, [&](std::int32_t p) {
        asked.append(p);
        return !c.unusable.contains(p);
    });
    EXPECT_EQ(page, c.page);
    EXPECT_EQ(refused, c.refusedAfter);
    // Each row is read once at most, and never one known to be unusable.
    EXPECT_EQ(QSet<std::int32_t>(asked.begin(), asked.end()).size(), asked.size());
    for (std::int32_t p : asked)
        EXPECT_FALSE(c.refusedBefore.contains(p)) << p;
}

// Positions are Int(Rnd × (recordCount − 1)).
INSTANTIATE_TEST_SUITE_P(
    Cases, PageDraw,
    ::testing::Values(
        DrawCase{"EachDrawAsItComes", 5, 3, {0.0f, 0.3f, 0.8f}, {}, {}, QList<std::int32_t>{0, 1, 3}, {}},
        DrawCase{"RepeatsDrawnAgain",
                 5,
                 3,
                 {0.1f, 0.2f, 0.6f, 0.55f, 0.99f},
                 {},
                 {},
                 QList<std::int32_t>{0, 2, 3},
                 {}},
        DrawCase{"LastRowNeverDrawn", 4, 3, {0.999f, 0.0f, 0.5f}, {}, {}, QList<std::int32_t>{2, 0, 1}, {}},
        DrawCase{"UnusableRowPassedOverAndRemembered",
                 6,
                 3,
                 {0.25f, 0.0f, 0.45f, 0.85f},
                 {},
                 {1},
                 QList<std::int32_t>{0, 2, 4},
                 {1}},
        DrawCase{"RowRefusedOnAnEarlierPageNotReadAgain",
                 6,
                 3,
                 {0.25f, 0.0f, 0.45f, 0.85f},
                 {1},
                 {1},
                 QList<std::int32_t>{0, 2, 4},
                 {1}},
        DrawCase{"PageOfEveryPositionLeft",
                 5,
                 3,
                 {0.0f, 0.5f, 0.25f, 0.75f},
                 {3},
                 {3},
                 QList<std::int32_t>{0, 2, 1},
                 {3}},
        DrawCase{"TableOfAPageOrFewerRows", 3, 3, {0.5f}, {}, {}, std::nullopt, {}},
        DrawCase{"EmptyTable", 0, 3, {0.5f}, {}, {}, std::nullopt, {}},
        DrawCase{"TooFewUsableRowsFoundWhileDrawing", 4, 3, {0.0f, 0.4f}, {}, {1}, std::nullopt, {1}},
        DrawCase{"TooFewUsableRowsKnownBefore", 5, 3, {0.5f}, {0, 2}, {0, 2}, std::nullopt, {0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
