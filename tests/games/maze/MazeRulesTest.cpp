#include "games/maze/MazeRules.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

namespace {

using namespace tibbly::mazeRules;
using tibbly::board::Direction;

Walls noWalls() { return Walls{}; }

Walls wallsAt(std::initializer_list<int> boxes)
{
    Walls walls{};
    for (int box : boxes)
        walls[static_cast<std::size_t>(box)] = true;
    return walls;
}

// Answers draws from a list; running past its end fails the test.
struct Draws {
    std::deque<int> values;
    int made = 0;
    int operator()(int lo, int hi)
    {
        EXPECT_EQ(lo, 1);
        EXPECT_EQ(hi, 222);
        if (values.empty())
            throw std::logic_error("more draws than scripted");
        ++made;
        const int value = values.front();
        values.pop_front();
        return value;
    }
};

TEST(MazeRules, ArrowCodesGoLeftRightDownUp)
{
    EXPECT_EQ(arrowDirection(0), Direction::Left);
    EXPECT_EQ(arrowDirection(1), Direction::Right);
    EXPECT_EQ(arrowDirection(2), Direction::Down);
    EXPECT_EQ(arrowDirection(3), Direction::Up);
}

TEST(MazeRules, StepsOffTheBoardMeetTheEdge)
{
    struct Case {
        int from;
        Direction direction;
    };
    for (const Case c :
         {Case{0, Direction::Up}, Case{0, Direction::Left}, Case{15, Direction::Right},
          Case{208, Direction::Down}, Case{31, Direction::Right}, Case{16, Direction::Left}}) {
        EXPECT_EQ(judgeStep(c.from, c.direction, noWalls(), {}).kind, StepKind::Edge) << c.from;
    }
}

TEST(MazeRules, WallsComeBeforeBadeesAndBadeesBeforeHome)
{
    const std::vector<int> badees{17};
    EXPECT_EQ(judgeStep(1, Direction::Down, wallsAt({17}), badees), (Step{StepKind::Wall, 17}));
    EXPECT_EQ(judgeStep(1, Direction::Down, noWalls(), badees), (Step{StepKind::Badee, 17}));
    EXPECT_EQ(judgeStep(1, Direction::Right, noWalls(), badees), (Step{StepKind::Move, 2}));
    EXPECT_EQ(judgeStep(207, Direction::Down, noWalls(), badees), (Step{StepKind::Home, 223}));
    // A wall on home makes the grid one that cannot be won.
    EXPECT_EQ(judgeStep(222, Direction::Right, wallsAt({223}), {}).kind, StepKind::Wall);
}

TEST(MazeRules, OneMoreBadeeForEverySevenMoves)
{
    struct Case {
        int moves;
        int badees;
    };
    for (const Case c : {Case{0, 3}, Case{6, 3}, Case{7, 4}, Case{13, 4}, Case{14, 5}, Case{21, 6}})
        EXPECT_EQ(badeeCount(c.moves), c.badees) << c.moves;
}

TEST(MazeRules, BreakIsDueExactlyBreakPointMovesAfterTheLast)
{
    EXPECT_FALSE(isBreakDue(0, 4, 3));
    EXPECT_TRUE(isBreakDue(0, 4, 4));
    EXPECT_FALSE(isBreakDue(0, 4, 5));
    EXPECT_TRUE(isBreakDue(9, 12, 21));
}

TEST(MazeRules, PlacementDrawsAgainForWallsTibblyAndTakenBoxes)
{
    Draws draws{{5, 40, 7, 40, 9, 11}};
    const std::vector<int> badees =
        placeBadees(3, wallsAt({5}), 7, [&](int lo, int hi) { return draws(lo, hi); });
    EXPECT_EQ(badees, (std::vector<int>{40, 9, 11}));
    EXPECT_EQ(draws.made, 6);
}

TEST(MazeRules, PlacementEndsWhenFreeBoxesRunOut)
{
    // Only boxes 3 and 4 are free: two Badees of five, then no more draws.
    Walls walls;
    walls.fill(true);
    walls[3] = walls[4] = walls[0] = walls[223] = false;
    Draws draws{{3, 3, 4}};
    EXPECT_EQ(placeBadees(5, walls, 0, [&](int lo, int hi) { return draws(lo, hi); }),
              (std::vector<int>{3, 4}));

    walls.fill(true);
    Draws none{};
    EXPECT_TRUE(placeBadees(3, walls, -1, [&](int lo, int hi) { return none(lo, hi); }).empty());
    EXPECT_EQ(none.made, 0);
}

} // namespace
