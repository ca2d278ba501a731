#include "FindGameFixture.h"

using namespace findtest;

class RoundSetup : public FindGame {};

TEST_F(RoundSetup, DrawsTargetThenBadeesThenBonusSlotsRepeatingRejectedDraws)
{
    RoundDraws draws;
    draws.target = 37;
    // The first Badee draw falls on Tibbly and is drawn again.
    draws.badees = {37, 90};
    // Slot 0 draws Tibbly, the Badee, then box 0, which the unused Badee
    // entries of a new window still hold; slot 3 shares slot 2's box.
    draws.bonuses = {37, 90, 0, 50, 51, 60, 60};
    script(draws);

    open();

    EXPECT_EQ(game->state().theTarget, 37);
    EXPECT_EQ(game->state().theRow, 2);
    EXPECT_EQ(game->state().theCol, 5);
    EXPECT_EQ(game->state().theBadee[0], 90);
    EXPECT_EQ((std::array{game->state().theBonus[0], game->state().theBonus[1],
                          game->state().theBonus[2], game->state().theBonus[3]}),
              (std::array{50, 51, 60, 60}));
    EXPECT_EQ(game->state().myCurScore, 1000);
    EXPECT_EQ(game->control<fw::StaticText>(QStringLiteral("RoundBox"))->Text(),
              QStringLiteral("Round #1 of 10"));
    // Only the intro's five decoys are left to draw.
    EXPECT_EQ(random->remaining(), 5u);
}

TEST_F(RoundSetup, IntroShowsDecoysThenTheBadeesThenOpensTheClicks)
{
    RoundDraws draws = plainRound(1, 37);
    draws.decoys = {5, 6, 7, 8, 9};
    script(draws);
    open();
    EXPECT_EQ(game->cursor().shape(), Qt::WaitCursor);

    clock->advance(700);
    EXPECT_EQ(shownOn(5), tibbly::TibblyFind());
    clock->advance(700);
    EXPECT_EQ(shownOn(5), tibbly::NewBox2());
    EXPECT_EQ(shownOn(6), tibbly::TibblyFind());

    clock->advance(2800); // 4.2 s: the last decoy goes, the Badee shows
    EXPECT_EQ(shownOn(9), tibbly::NewBox2());
    EXPECT_EQ(shownOn(200), tibbly::badee());
    EXPECT_EQ(timesPlayed(tibbly::Badee1()), 1);

    clock->advance(2799);
    EXPECT_FALSE(game->state().allowClick);
    clock->advance(1); // 7.0 s
    EXPECT_TRUE(game->state().allowClick);
    EXPECT_EQ(shownOn(200), tibbly::NewBox2());
    EXPECT_EQ(game->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(instruction(), QStringLiteral("Welcome, Unknown. Click on any box to begin."));
}

TEST_F(RoundSetup, ClicksDuringTheIntroAreIgnored)
{
    script(plainRound(1, 37));
    open();
    for (int at : {0, 1000, 5000, 6999}) {
        clock->advance(at - clock->nowMs());
        for (int box : {37, 40, 200, 180})
            click(box);
    }
    EXPECT_EQ(game->state().clickCt, 0);
    EXPECT_EQ(game->state().myCurScore, 1000);
    EXPECT_FALSE(game->state().endOfRound || game->state().endOfGame);
    EXPECT_EQ(shownOn(40), tibbly::NewBox2());
    EXPECT_EQ(played, std::vector<const fw::Sound*>({tibbly::Intro(), tibbly::Badee1()}));
}
