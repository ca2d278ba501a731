#include "CaptureGameFixture.h"

#include "games/capture/CaptureRules.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

using namespace tibbly::captureRules;
using namespace capturetest;

namespace {

// Answers draws from a list and counts them.
struct Draws {
    std::deque<int> values;
    int taken = 0;
    int operator()()
    {
        ++taken;
        const int value = values.front();
        values.pop_front();
        return value;
    }
};

} // namespace

// The last clicked box is judged before the edges and the walls, so that
// even a box reached only by wrapping (right from 15 to 16) is re-walled; an
// edge never wraps into the next row, and no box off the board is looked at,
// even where the last clicked box holds one (left from 0 aims at -1, kNoBox).
TEST(CaptureRules, StepsReWallTheLastClickedBoxThenStopAtEdgesThenAtWalls)
{
    using enum StepOutcome;
    struct Case {
        int from;
        int dir;
        int lastClicked;
        bool allWalls;
        StepOutcome outcome;
        int target; // for Moved and ReWall only
    };
    const Case cases[] = {
        {0, kUp, kNoBox, false, Edge, 0},         {0, kLeft, kNoBox, false, Edge, 0},
        {0, kRight, kNoBox, false, Moved, 1},     {0, kDown, kNoBox, false, Moved, 16},
        {223, kDown, kNoBox, false, Edge, 0},     {223, kRight, kNoBox, false, Edge, 0},
        {223, kUp, kNoBox, false, Moved, 207},    {223, kLeft, kNoBox, false, Moved, 222},
        {15, kRight, kNoBox, false, Edge, 0},     {16, kLeft, kNoBox, false, Edge, 0},
        {208, kDown, kNoBox, false, Edge, 0},     {15, kUp, kNoBox, false, Edge, 0},
        {100, kRight, kNoBox, false, Moved, 101}, {100, kUp, kNoBox, false, Moved, 84},
        {223, kRight, 224, false, Edge, 0},       {0, kUp, -16, false, Edge, 0},
        {223, kDown, 239, false, Edge, 0},        {20, kRight, 21, false, ReWall, 21},
        {20, kRight, 21, true, ReWall, 21},       {15, kRight, 16, false, ReWall, 16},
        {20, kRight, 22, true, Wall, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " dir " << c.dir << " last " << c.lastClicked);
        std::set<int> asked;
        const Step step = judgeStep(c.from, c.dir, c.lastClicked, [&](int box) {
            asked.insert(box);
            return c.allWalls;
        });
        EXPECT_EQ(step.outcome, c.outcome);
        if (c.outcome == Moved || c.outcome == ReWall) {
            EXPECT_EQ(step.target, c.target);
        } else if (c.outcome == Edge) {
            EXPECT_TRUE(asked.empty()) << "an edge step looked at box " << *asked.begin();
        }
    }
}

TEST(CaptureRules, AMoveRedrawsDirectionsAlreadyTriedAndTakesTheFirstNewOne)
{
    Draws draws{{2, 0, 2, 0, 3}};
    const Tried tried{true, false, true, false};
    EXPECT_EQ(untriedDirection(tried, std::ref(draws)), 3);
    EXPECT_EQ(draws.taken, 5);
    Draws first{{2}};
    EXPECT_EQ(untriedDirection(Tried{}, std::ref(first)), 2);
}

TEST(CaptureRules, TenRingsFallOnTenDifferentBoxesRedrawingRepeats)
{
    Draws draws{{5, 5, 6, 7, 5, 6, 8, 9, 10, 11, 12, 13, 14}};
    const Rings rings = drawRings(std::ref(draws));
    EXPECT_EQ(rings, (Rings{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(draws.taken, 13);
}

TEST(CaptureRules, ARingIsFoundOnlyOnItsBoxAndNotOnceTaken)
{
    Rings rings{3, 40, 41, 42, 43, 44, 45, 46, 47, 223};
    EXPECT_EQ(ringAt(rings, 223), 9);
    EXPECT_EQ(ringAt(rings, 4), std::nullopt);
    rings[0] = kNoBox;
    EXPECT_EQ(ringAt(rings, 3), std::nullopt);
    EXPECT_EQ(ringAt(rings, kNoBox), std::nullopt);
}

TEST(CaptureRules, TheClickBonusFallsBy500AClickAndNeverBelowZero)
{
    const std::pair<int, int> cases[] = {{0, 30000}, {1, 29500}, {59, 500},
                                         {60, 0},    {61, 0},    {10'000'000, 0}};
    for (const auto& [clicks, bonus] : cases)
        EXPECT_EQ(clickBonus(clicks), bonus) << clicks << " clicks";
}
