#include "games/maze/MazeRules.h"

#include <algorithm>
#include <cassert>

namespace tibbly::mazeRules {

using board::Direction;

bool isWall(const Walls& walls, int box)
{
    return board::isOnBoard(box) && walls[static_cast<std::size_t>(box)];
}

namespace {

// A box a Badee may be drawn onto, Badees aside. Counting and drawing share
// it, so a box that is counted free is one that a draw accepts.
bool isFreeForBadee(const Walls& walls, int tibblyPos, int box)
{
    return !isWall(walls, box) && box != tibblyPos;
}

} // namespace

Direction arrowDirection(int code)
{
    switch (code) {
    case 0:
        return Direction::Left;
    case 1:
        return Direction::Right;
    case 2:
        return Direction::Down;
    default:
        assert(code == 3);
        return Direction::Up;
    }
}

Step judgeStep(int from, Direction direction, const Walls& walls, std::span<const int> badees)
{
    const std::optional<int> next = board::neighbour(from, direction);
    if (!next)
        return {StepKind::Edge, -1};
    const int target = *next;
    if (isWall(walls, target))
        return {StepKind::Wall, target};
    if (std::find(badees.begin(), badees.end(), target) != badees.end())
        return {StepKind::Badee, target};
    if (target == kHomeBox)
        return {StepKind::Home, target};
    return {StepKind::Move, target};
}

int badeeCount(int moveCt) { return moveCt / 7 + 3; }

bool isBreakDue(int lastBreak, int breakPoint, int moveCt)
{
    return lastBreak + breakPoint == moveCt;
}

int freeBoxCount(const Walls& walls, int tibblyPos)
{
    int count = 0;
    for (int box = kFirstBadeeBox; box <= kLastBadeeBox; ++box)
        if (isFreeForBadee(walls, tibblyPos, box))
            ++count;
    return count;
}

std::vector<int> placeBadees(int count, const Walls& walls, int tibblyPos,
                             const std::function<int(int lo, int hi)>& draw)
{
    const int placeable = std::min(count, freeBoxCount(walls, tibblyPos));
    std::vector<int> badees;
    badees.reserve(static_cast<std::size_t>(std::max(placeable, 0)));
    while (static_cast<int>(badees.size()) < placeable) {
        const int box = draw(kFirstBadeeBox, kLastBadeeBox);
        // Every placed Badee takes a free box, so a free box always remains
        // while fewer than `placeable` are placed and the drawing ends.
        if (isFreeForBadee(walls, tibblyPos, box) &&
            std::find(badees.begin(), badees.end(), box) == badees.end())
            badees.push_back(box);
    }
    return badees;
}

} // namespace tibbly::mazeRules
