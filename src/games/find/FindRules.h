#pragma once

#include "games/board/Board.h"

#include <QtGlobal>

#include <array>

// The find game's arithmetic, apart from any window: where a box lies, which
// way the direction lights point, what the bonus slots are worth and how the
// round's points move. GameScrn asks these and does the rest.
namespace tibbly::findRules {

using board::kBoxCount;
using board::kLastBox;
constexpr int kRounds = 10;
// The tenth counted click ends the round with no points.
constexpr int kMaxClicks = 10;
// theBadee and theBonus hold one entry per round at most.
constexpr int kSlots = 10;

using board::boxAt;
using board::BoxPlace;
using board::placeOf;

enum class Light { Green, Red };

// The two lights of one axis: the one towards the lower line (up or left) and
// the one towards the higher line (down or right). Both are green when Tibbly
// is on the clicked line itself, since he is then neither way.
struct LightPair {
    Light towardsLower;
    Light towardsHigher;
    friend bool operator==(const LightPair&, const LightPair&) = default;
};
[[nodiscard]] LightPair lightsTowards(int tibblyLine, int clickedLine);

// Bonus slots 0 to lastBonusSlot are in use: four in rounds 1 to 4, then one
// per round.
[[nodiscard]] int lastBonusSlot(int round);
[[nodiscard]] int bonusKind(int slot);
// 2, 2, 3 or 4 for the kinds 0 to 3.
[[nodiscard]] int bonusMultiplier(int kind);

[[nodiscard]] int roundStartPoints(int round);
// What each click that leaves the round running takes off.
[[nodiscard]] int clickCost(int round);

// Points are 32-bit, but repeated bonus clicks multiply them without limit and
// repeated clicks on marked boxes take them down without limit: every step is
// worked out wide and held to the 32-bit range, so a score sticks at the end
// of the range instead of wrapping round to the other sign.
[[nodiscard]] int heldToPoints(qint64 value);
[[nodiscard]] int multiplied(int points, int multiplier);
[[nodiscard]] int lessCost(int points, int cost);
[[nodiscard]] int added(int total, int points);

} // namespace tibbly::findRules
