#pragma once

#include "games/board/Board.h"
#include "games/maze/GridFile.h"

#include <functional>
#include <span>
#include <vector>

// The maze game's rules, apart from any window: where an arrow key takes
// Tibbly, when a Badee break is due, how many Badees there are and where they
// go. amazeScrn asks these and does the painting, the sounds and the timers.
namespace tibbly::mazeRules {

using board::kLastBox;
using Walls = gridFile::Grid;

constexpr int kStartBox = 0;
constexpr int kHomeBox = kLastBox;
// Badees never sit on Tibbly's start or on his home.
constexpr int kFirstBadeeBox = 1;
constexpr int kLastBadeeBox = kLastBox - 1;
// A break comes this many counted moves after the last one, drawn afresh each time.
constexpr int kMinBreakPoint = 4;
constexpr int kMaxBreakPoint = 12;

// Whether box is a brick wall; a box off the board never is.
[[nodiscard]] bool isWall(const Walls& walls, int box);

// The arrow keys' direction codes: 0 left, 1 right, 2 down, 3 up.
[[nodiscard]] board::Direction arrowDirection(int code);

enum class StepKind {
    // Against the board's edge: Tibbly stays.
    Edge,
    // Into a brick wall: Tibbly stays.
    Wall,
    // Onto a Badee, seen or not: the game is lost.
    Badee,
    // Onto box 223: the game is won.
    Home,
    // Onto a clear box: a counted move.
    Move,
};

struct Step {
    StepKind kind;
    // The box stepped to; -1 at an edge.
    int target;
    friend bool operator==(const Step&, const Step&) = default;
};

// Judges one step from box `from`. Walls are tested before Badees and Badees
// before home, so a wall in box 223 makes a grid that cannot be won.
[[nodiscard]] Step judgeStep(int from, board::Direction direction, const Walls& walls,
                             std::span<const int> badees);

// (moves div 7) + 3: three at the start, one more for every seven moves.
[[nodiscard]] int badeeCount(int moveCt);

[[nodiscard]] bool isBreakDue(int lastBreak, int breakPoint, int moveCt);

// The boxes a Badee may be put on: 1 to 222, no wall, not Tibbly's.
[[nodiscard]] int freeBoxCount(const Walls& walls, int tibblyPos);

// Places count Badees, each on a box drawn by draw(1, 222) until one comes up
// that is free (no wall, not Tibbly's, no Badee already placed). When fewer
// free boxes remain than Badees are wanted, only as many are placed as there
// are free boxes, possibly none, so that placement always ends.
[[nodiscard]] std::vector<int> placeBadees(int count, const Walls& walls, int tibblyPos,
                                           const std::function<int(int lo, int hi)>& draw);

} // namespace tibbly::mazeRules
