#include "games/capture/CaptureRules.h"

#include <algorithm>
#include <cassert>

namespace tibbly::captureRules {

Step judgeStep(int from, int dir, int lastClicked, const std::function<bool(int box)>& isWall)
{
    assert(dir >= 0 && dir < kDirections);
    const auto direction = static_cast<board::Direction>(dir);
    // Before any edge test: a target that only a wrap would reach is re-walled
    // too when it is the last clicked box.
    const int target = from + board::stepOffset(direction);
    if (target == lastClicked && board::isOnBoard(target))
        return {StepOutcome::ReWall, target};
    const std::optional<int> next = board::neighbour(from, direction);
    if (!next)
        return {StepOutcome::Edge, target};
    if (isWall(*next))
        return {StepOutcome::Wall, *next};
    return {StepOutcome::Moved, *next};
}

int untriedDirection(const Tried& tried, const std::function<int()>& draw)
{
    assert(std::ranges::find(tried, false) != tried.end());
    int dir = 0;
    do {
        dir = draw();
    } while (tried[static_cast<std::size_t>(dir)]);
    return dir;
}

Rings drawRings(const std::function<int()>& draw)
{
    Rings rings{};
    for (std::size_t k = 0; k < rings.size(); ++k) {
        int box = 0;
        do {
            box = draw();
        } while (std::find(rings.begin(), rings.begin() + k, box) != rings.begin() + k);
        rings[k] = box;
    }
    return rings;
}

std::optional<int> ringAt(const Rings& rings, int box)
{
    if (box == kNoBox)
        return std::nullopt;
    const auto found = std::ranges::find(rings, box);
    if (found == rings.end())
        return std::nullopt;
    return static_cast<int>(found - rings.begin());
}

int clickBonus(int clicks)
{
    constexpr long long kFullBonus = 30000;
    constexpr long long kPerClick = 500;
    return static_cast<int>(std::max(0LL, kFullBonus - kPerClick * clicks));
}

} // namespace tibbly::captureRules
