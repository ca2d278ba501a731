#include "games/capture/CaptureRules.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

using namespace tibbly::captureRules;

namespace {

constexpr int kUp = 0;
constexpr int kRight = 1;
constexpr int kDown = 2;
constexpr int kLeft = 3;

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

TEST(CaptureRules, StepsStopAtTheFourEdgesAndCornersAndNeverWrapIntoTheNextRow)
{
    struct Case {
        int from;
        int dir;
        StepOutcome outcome;
        int target;
    };
    const Case cases[] = {
        {0, kUp, StepOutcome::Edge, 0},         {0, kLeft, StepOutcome::Edge, 0},
        {0, kRight, StepOutcome::Moved, 1},     {0, kDown, StepOutcome::Moved, 16},
        {223, kDown, StepOutcome::Edge, 0},     {223, kRight, StepOutcome::Edge, 0},
        {223, kUp, StepOutcome::Moved, 207},    {223, kLeft, StepOutcome::Moved, 222},
        {15, kRight, StepOutcome::Edge, 0},     {16, kLeft, StepOutcome::Edge, 0},
        {208, kDown, StepOutcome::Edge, 0},     {15, kUp, StepOutcome::Edge, 0},
        {100, kRight, StepOutcome::Moved, 101}, {100, kUp, StepOutcome::Moved, 84},
    };
    for (const Case& c : cases) {
        std::set<int> asked;
        const Step step = judgeStep(c.from, c.dir, kNoBox, [&](int box) {
            asked.insert(box);
            return false;
        });
        EXPECT_EQ(step.outcome, c.outcome) << c.from << " dir " << c.dir;
        if (c.outcome == StepOutcome::Moved) {
            EXPECT_EQ(step.target, c.target) << c.from << " dir " << c.dir;
        } else {
            EXPECT_TRUE(asked.empty()) << "an edge step looked at box " << *asked.begin();
        }
    }
}

TEST(CaptureRules, TheLastClickedBoxIsReWalledBeforeTheEdgeAndWallTests)
{
    auto neverWall = [](int) { return false; };
    auto allWalls = [](int) { return true; };
    EXPECT_EQ(judgeStep(20, kRight, 21, neverWall), (Step{StepOutcome::ReWall, 21}));
    EXPECT_EQ(judgeStep(20, kRight, 21, allWalls), (Step{StepOutcome::ReWall, 21}));
    // Stepping right from column 15 reaches the next row's first box only by
    // wrapping, yet that box is re-walled when it was the last one clicked.
    EXPECT_EQ(judgeStep(15, kRight, 16, neverWall), (Step{StepOutcome::ReWall, 16}));
    EXPECT_EQ(judgeStep(20, kRight, 22, allWalls).outcome, StepOutcome::Wall);
}

TEST(CaptureRules, NoStepEverTouchesABoxOffTheBoardWhateverTheLastClickedBoxHolds)
{
    // Left from box 0 aims at -1, which is also "no click yet"; right from
    // 223 aims at 224.
    for (const auto& [from, dir, lastClicked] :
         {std::tuple{0, kLeft, kNoBox}, std::tuple{223, kRight, 224}, std::tuple{0, kUp, -16},
          std::tuple{223, kDown, 239}}) {
        bool asked = false;
        const Step step = judgeStep(from, dir, lastClicked, [&](int) {
            asked = true;
            return false;
        });
        EXPECT_EQ(step.outcome, StepOutcome::Edge) << from << " dir " << dir;
        EXPECT_FALSE(asked);
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
