#include "games/find/FindRules.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace tibbly::findRules {

LightPair lightsTowards(int tibblyLine, int clickedLine)
{
    if (tibblyLine < clickedLine)
        return {Light::Green, Light::Red};
    if (tibblyLine > clickedLine)
        return {Light::Red, Light::Green};
    return {Light::Green, Light::Green};
}

int lastBonusSlot(int round) { return std::max(3, round - 1); }

int bonusKind(int slot) { return slot % 4; }

int bonusMultiplier(int kind)
{
    assert(kind >= 0 && kind <= 3);
    constexpr std::array<int, 4> multipliers{2, 2, 3, 4};
    return multipliers[static_cast<std::size_t>(kind)];
}

int roundStartPoints(int round) { return heldToPoints(qint64(round) * 1000); }

int clickCost(int round) { return heldToPoints(qint64(round) * 100); }

int heldToPoints(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

int multiplied(int points, int multiplier) { return heldToPoints(qint64(points) * multiplier); }

int lessCost(int points, int cost) { return heldToPoints(qint64(points) - cost); }

int added(int total, int points) { return heldToPoints(qint64(total) + points); }

} // namespace tibbly::findRules
