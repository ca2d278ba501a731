#include "games/find/FindRules.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tibbly::findRules;

TEST(FindRules, BonusSlotsAreFourUntilRoundFiveThenOnePerRoundRepeatingTwoTwoThreeFour)
{
    const int lastSlot[] = {3, 3, 3, 3, 4, 5, 6, 7, 8, 9};
    const int multiplier[] = {2, 2, 3, 4, 2, 2, 3, 4, 2, 2};
    for (int i = 0; i < kRounds; ++i) {
        EXPECT_EQ(lastBonusSlot(i + 1), lastSlot[i]) << "round " << i + 1;
        EXPECT_EQ(bonusMultiplier(bonusKind(i)), multiplier[i]) << "slot " << i;
    }
}

TEST(FindRules, PointsStickAtTheEndsOfTheRangeInsteadOfWrapping)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(multiplied(kMax / 2 + 1, 2), kMax);
    EXPECT_EQ(multiplied(-600'000'000, 4), kMin);
    EXPECT_EQ(lessCost(kMin + 50, 100), kMin);
    EXPECT_EQ(lessCost(100, 300), -200);
    EXPECT_EQ(added(kMax - 10, 1000), kMax);
    EXPECT_EQ(added(kMin + 10, -1000), kMin);
}
