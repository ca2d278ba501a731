#pragma once

#include "games/board/Board.h"

#include <array>
#include <functional>
#include <optional>

// The capture game's rules, apart from any window: where a step of Tibbly's
// leads and whether he may take it, the order in which a move tries the four
// directions, the round's ten rings and what a round scores. CaptureScrn keeps
// the board and asks these.
namespace tibbly::captureRules {

constexpr int kRings = 10;
constexpr int kRingBonus = 1000;
// A ring entry once Tibbly has taken its ring, and the last clicked box before
// the round's first click: neither matches any box.
constexpr int kNoBox = -1;

using Rings = std::array<int, kRings>;

// Direction codes: 0 up, 1 right, 2 down, 3 left, in the order of board::Direction.
constexpr int kDirections = board::kDirections;
using Tried = std::array<bool, kDirections>;

enum class StepOutcome {
    // The target is the round's last clicked box: it is walled again and the
    // step is refused, whatever the box showed.
    ReWall,
    // The step would leave the board, or wrap into the next row.
    Edge,
    Wall,
    Moved,
};

struct Step {
    StepOutcome outcome;
    // The box stepped onto or re-walled; meaningless for Edge and Wall.
    int target;
    friend bool operator==(const Step&, const Step&) = default;
};

// Judges Tibbly's step from box `from` in direction code `dir`. The last
// clicked box is tested before the edges, so even a target that only a wrap
// would reach is re-walled when it is that box. isWall is asked only about
// boxes on the board.
[[nodiscard]] Step judgeStep(int from, int dir, int lastClicked,
                             const std::function<bool(int box)>& isWall);

// Draws direction codes until one not yet tried in this move comes up; there
// is no limit on the redraws. At least one direction must be left untried.
[[nodiscard]] int untriedDirection(const Tried& tried, const std::function<int()>& draw);

// Ten different boxes: each draw that repeats an earlier ring is drawn again.
[[nodiscard]] Rings drawRings(const std::function<int()>& draw);

// The entry of the ring on box, if one lies there and has not been taken.
[[nodiscard]] std::optional<int> ringAt(const Rings& rings, int box);

// 30000 less 500 a click, never below 0.
[[nodiscard]] int clickBonus(int clicks);

} // namespace tibbly::captureRules
