#include "FindGameFixture.h"

#include "app/Globals.h"
#include "assets/holdClickPicts.h"
#include "framework/ImplicitInstance.h"
#include "windows/ResultsScrn.h"

#include <limits>

using namespace findtest;
using findRules::boxAt;
using findRules::BoxPlace;

namespace {
const QString kHint =
    QStringLiteral("Follow the green lights, click again, watch out for the Badees.");
} // namespace

class ClickRules : public FindGame {
protected:
    // Opens the window on a first round with Tibbly at (8, 7) and waits until
    // the clicks open.
    void openRoundOne(RoundDraws draws = plainRound(1, boxAt({8, 7})))
    {
        script(draws);
        open();
        clock->advance(kIntroMs);
        ASSERT_TRUE(game->state().allowClick);
    }
};

TEST_F(ClickRules, LightsPointTowardsTibblyFromEveryDirection)
{
    openRoundOne();
    const auto* G = tibbly::greenLt2();
    const auto* R = tibbly::redLt2();
    struct Case {
        BoxPlace clicked;
        std::array<const fw::Picture*, 4> upDownLeftRight;
    };
    // Tibbly is at column 8, row 7.
    const Case cases[] = {
        {{7, 6}, {R, G, R, G}}, {{8, 6}, {R, G, G, G}}, {{9, 6}, {R, G, G, R}},
        {{7, 7}, {G, G, R, G}}, {{9, 7}, {G, G, G, R}}, {{7, 8}, {G, R, R, G}},
        {{8, 8}, {G, R, G, G}}, {{9, 8}, {G, R, G, R}},
    };
    int clicks = 0;
    for (const Case& c : cases) {
        click(boxAt(c.clicked));
        EXPECT_EQ(game->state().dirColor, c.upDownLeftRight)
            << "clicked column " << c.clicked.column << ", row " << c.clicked.row;
        EXPECT_EQ(shownOn(boxAt(c.clicked)), tibbly::holdClickPicts::clickPict[clicks++]);
    }
    EXPECT_EQ(game->state().clickCt, clicks);
    EXPECT_EQ(game->state().myCurScore, 1000 - clicks * 100);

    // Found: the click costs nothing and leaves the lights alone.
    const auto lights = game->state().dirColor;
    click(game->state().theTarget);
    EXPECT_EQ(game->state().myCurScore, 1000 - clicks * 100);
    EXPECT_EQ(game->state().dirColor, lights);
    EXPECT_EQ(shownOn(game->state().theTarget), tibbly::TibblyFind());
    EXPECT_EQ(instruction(), QStringLiteral("You found him!!!"));
    EXPECT_FALSE(game->state().allowClick);
}

TEST_F(ClickRules, ClickOnAMarkedBoxBeepsAndCostsPointsButIsNotCounted)
{
    openRoundOne();
    click(5);
    const auto lightsAfterMiss = game->state().dirColor;
    const int beeps = fw::beepCount();
    click(5);

    EXPECT_EQ(fw::beepCount(), beeps + 1);
    EXPECT_EQ(game->state().clickCt, 1);
    EXPECT_EQ(game->state().myCurScore, 800);
    EXPECT_EQ(game->state().dirColor, lightsAfterMiss);
    EXPECT_EQ(instruction(), kHint);
    EXPECT_EQ(timesPlayed(tibbly::Pop()), 1);

    // The points left reach the total two seconds after Tibbly is found.
    click(game->state().theTarget);
    clock->advance(1999);
    EXPECT_EQ(game->state().myTotScore, 0);
    clock->advance(1);
    EXPECT_EQ(game->state().myTotScore, 800);
    EXPECT_EQ(game->state().myCurScore, 0);
}

TEST_F(ClickRules, TenthCountedClickEndsTheRoundWithNoPoints)
{
    openRoundOne();
    for (int box = 0; box < 9; ++box)
        click(box);
    EXPECT_EQ(game->state().myCurScore, 100);
    EXPECT_TRUE(game->state().allowClick);

    click(9);
    EXPECT_EQ(shownOn(9), tibbly::newbox10());
    EXPECT_EQ(game->state().dirColor[0], tibbly::redLt2());
    EXPECT_EQ(game->state().myCurScore, 0);
    EXPECT_EQ(instruction(), QStringLiteral("Sorry, too many clicks."));
    EXPECT_EQ(shownOn(game->state().theTarget), tibbly::TibblyFind());
    EXPECT_FALSE(game->state().allowClick);

    script(plainRound(2, 50));
    clock->advance(kRoundPauseMs);
    EXPECT_EQ(game->state().myTotScore, 0);
    EXPECT_EQ(game->state().roundCt, 2);
}

TEST_F(ClickRules, BonusMultipliesOnEveryClickByItsLowerSlotAndSticksAtTheTopOfTheRange)
{
    RoundDraws draws = plainRound(1, 37);
    draws.bonuses = {180, 181, 60, 60};
    openRoundOne(draws);

    click(60);
    EXPECT_EQ(game->state().myCurScore, 1000 * 3 - 100);
    EXPECT_EQ(shownOn(60), tibbly::ThreeX());
    EXPECT_EQ(instruction(), kHint);
    click(60);
    EXPECT_EQ(game->state().myCurScore, 2900 * 3 - 100);
    EXPECT_EQ(game->state().clickCt, 0);

    for (int i = 0; i < 25; ++i)
        click(60);
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(game->state().myCurScore, kMax - 100);
    click(game->state().theTarget);
    clock->advance(2000);
    EXPECT_EQ(game->state().myTotScore, kMax - 100);
}

TEST_F(ClickRules, BadeeEndsTheGameWithTheEarlierRoundsTotal)
{
    script(plainRound(1, 37));
    RoundDraws second = plainRound(2, 38);
    second.bonuses = {150, 181, 182, 183};
    script(second);
    open();
    playRoundFoundAtFirstClick();
    clock->advance(kIntroMs);
    EXPECT_EQ(instruction(), QStringLiteral("Click on any box to begin."));

    click(150);
    EXPECT_EQ(game->state().myCurScore, 2000 * 2 - 200);
    click(201);
    EXPECT_TRUE(game->state().endOfGame);
    EXPECT_FALSE(game->state().allowClick);
    EXPECT_EQ(game->state().myCurScore, 0);
    EXPECT_EQ(tibbly::Globals::gTotalScore, 1000);
    EXPECT_EQ(shownOn(201), tibbly::badee());
    EXPECT_EQ(shownOn(38), tibbly::TibblyFind());
    EXPECT_EQ(shownOn(200), tibbly::NewBox2());

    clock->advance(2000);
    EXPECT_EQ(timesPlayed(tibbly::Bye()), 1);
    EXPECT_EQ(fw::openImplicitInstance<tibbly::ResultsScrn>(), nullptr);
    clock->advance(1000);
    EXPECT_EQ(instruction(), QStringLiteral("Bye, Bye"));
    auto* results = fw::openImplicitInstance<tibbly::ResultsScrn>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->handedScore(), 1000);
    EXPECT_EQ(timesPlayed(tibbly::TaDa()), 0);
}
