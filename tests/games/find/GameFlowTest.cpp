#include "FindGameFixture.h"

#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/EditField.h"
#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "framework/Window.h"
#include "prefs/myPrefs.h"
#include "windows/ResultsScrn.h"
#include "windows/helpScrn.h"
#include "windows/startScrn.h"

#include <QApplication>

#include <chrono>

using namespace findtest;
using tibbly::ResultsScrn;

namespace {

ResultsScrn* openResults() { return fw::openImplicitInstance<ResultsScrn>(); }

bool helpIsOpen()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* help = dynamic_cast<tibbly::helpScrn*>(widget);
        if (help && !help->isClosed() && help->isVisible())
            return true;
    }
    return false;
}

} // namespace

class GameFlow : public FindGame {
protected:
    bool enabledInMenu(const char* item)
    {
        game->enableMenuItems();
        return game->menuBar()->item(QString::fromLatin1(item))->Enabled();
    }

    // Finds Tibbly at once in round 1, then hits a Badee at the first click
    // of round 2: the game ends with 1000.
    void hitABadeeInRoundTwo()
    {
        script(plainRound(1, 37));
        script(plainRound(2, 38));
        open();
        playRoundFoundAtFirstClick();
        clock->advance(kIntroMs);
        click(201);
        ASSERT_TRUE(game->state().endOfGame);
    }
};

TEST_F(GameFlow, TenRoundsFoundAtFirstClickTotal55000AndReachTheHighScoreTable)
{
    const auto started = std::chrono::steady_clock::now();
    for (int round = 1; round <= findRules::kRounds; ++round)
        script(plainRound(round, round * 10 + 3));
    open();
    for (int round = 1; round <= findRules::kRounds; ++round) {
        ASSERT_EQ(game->state().roundCt, round);
        playRoundFoundAtFirstClick();
    }

    // The eleventh round start is the game's end.
    EXPECT_EQ(game->state().roundCt, 11);
    EXPECT_EQ(game->state().myTotScore, 55000);
    EXPECT_EQ(tibbly::Globals::gTotalScore, 55000);
    EXPECT_EQ(instruction(), QStringLiteral("Congratulations, Unknown. You finished a game!"));
    EXPECT_EQ(timesPlayed(tibbly::TaDa()), 1);

    clock->advance(kGameOverPauseMs);
    ASSERT_NE(openResults(), nullptr);
    EXPECT_EQ(openResults()->handedScore(), 55000);
    EXPECT_EQ(random->remaining(), 0u);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
}

TEST_F(GameFlow, ClosingIsRefusedWhileTheIntroPlays)
{
    script(plainRound(1, 37));
    open();
    game->typeKey(fw::Window::kReturn);
    EXPECT_FALSE(game->Close());
    EXPECT_TRUE(game->menuCommand(QStringLiteral("FileClose")));
    game->control<tibbly::actionBtn>(QStringLiteral("closeCnv"))->click();
    EXPECT_FALSE(game->isClosed());
    EXPECT_EQ(game->control<tibbly::actionBtn>(QStringLiteral("closeCnv"))->Left(), 617);

    clock->advance(tibbly::Intro()->lengthMs());
    game->typeKey(QStringLiteral("x"));
    EXPECT_FALSE(game->isClosed());
    game->typeKey(fw::Window::kEnter);
    EXPECT_TRUE(game->isClosed());
    EXPECT_NE(fw::openImplicitInstance<tibbly::startScrn>(), nullptr);
}

TEST_F(GameFlow, WithTheSoundOffTheWindowClosesAtOnce)
{
    prefs().prSndOff = true;
    script(plainRound(1, 37));
    open();
    EXPECT_TRUE(played.empty());
    game->typeKey(fw::Window::kReturn);
    EXPECT_TRUE(game->isClosed());
}

TEST_F(GameFlow, NewAndSeeHighScoresWaitUntilTheScoreIsHandedOver)
{
    script(plainRound(1, 37));
    open();
    EXPECT_FALSE(enabledInMenu("FileNew"));
    EXPECT_FALSE(enabledInMenu("InfoSeeHighScores"));
    EXPECT_TRUE(enabledInMenu("FileClose"));
    clock->advance(kIntroMs);
    click(200);
    ASSERT_TRUE(game->state().endOfGame);

    clock->advance(kGameOverPauseMs - 1);
    EXPECT_FALSE(game->menuCommand(QStringLiteral("FileNew")));
    EXPECT_FALSE(game->menuCommand(QStringLiteral("InfoSeeHighScores")));
    EXPECT_EQ(openResults(), nullptr);
    clock->advance(1);
    EXPECT_TRUE(game->isGameOver());
    EXPECT_TRUE(enabledInMenu("FileNew"));
    EXPECT_TRUE(enabledInMenu("InfoSeeHighScores"));
}

TEST_F(GameFlow, NewAfterTheGameStartsACleanGame)
{
    hitABadeeInRoundTwo();
    clock->advance(kGameOverPauseMs);
    ASSERT_EQ(game->state().myTotScore, 1000);

    script(plainRound(1, 39));
    ASSERT_TRUE(game->menuCommand(QStringLiteral("FileNew")));
    EXPECT_EQ(game->state().roundCt, 1);
    EXPECT_EQ(game->state().myTotScore, 0);
    EXPECT_EQ(game->state().myCurScore, 1000);
    EXPECT_FALSE(game->state().endOfGame);
    EXPECT_EQ(game->control<fw::StaticText>(QStringLiteral("RoundBox"))->Text(),
              QStringLiteral("Round #1 of 10"));
    EXPECT_EQ(shownOn(201), tibbly::NewBox2());

    // The full intro runs again, from its first decoy.
    clock->advance(kIntroMs - 1);
    EXPECT_FALSE(game->state().allowClick);
    clock->advance(1);
    EXPECT_TRUE(game->state().allowClick);
    EXPECT_EQ(random->remaining(), 0u);
}

TEST_F(GameFlow, SeeHighScoresShowsTheTableWithNoScoreToEnter)
{
    hitABadeeInRoundTwo();
    clock->advance(kGameOverPauseMs);
    ASSERT_NE(openResults(), nullptr);
    openResults()->Close();
    settle();

    ASSERT_TRUE(game->menuCommand(QStringLiteral("InfoSeeHighScores")));
    EXPECT_EQ(tibbly::Globals::gTotalScore, 0);
    ASSERT_NE(openResults(), nullptr);
    EXPECT_EQ(openResults()->handedScore(), 0);
}

TEST_F(GameFlow, AHighScoreWindowLeftOpenTakesTheScoreAsIfNew)
{
    // The player looked at the table from the start window and left it open.
    tibbly::Globals::gTotalScore = 0;
    ResultsScrn* results = ResultsScrn::instance();
    const auto control = [results](const char* name) {
        return results->control(QString::fromLatin1(name));
    };
    ASSERT_FALSE(control("AddBtn")->Enabled());

    hitABadeeInRoundTwo();
    clock->advance(kGameOverPauseMs);
    ASSERT_EQ(openResults(), results);
    EXPECT_EQ(results->handedScore(), 1000);
    EXPECT_EQ(dynamic_cast<fw::EditField&>(*control("ScFld")).Text(), QStringLiteral("1000"));
    EXPECT_EQ(results->replace(), 0);
    EXPECT_TRUE(control("NameFld")->Enabled());
    ASSERT_TRUE(control("AddBtn")->Enabled());
    dynamic_cast<fw::PushButton&>(*control("AddBtn")).push();
    EXPECT_EQ(tibbly::Globals::gPrefs->hallInfo[0], QStringLiteral("Unknown001000"));
}

TEST_F(GameFlow, ClosingDuringTheGameOverPauseStillHandsTheScoreOver)
{
    hitABadeeInRoundTwo();
    clock->advance(1000);

    game->typeKey(fw::Window::kReturn);
    ASSERT_TRUE(game->isClosed());
    EXPECT_NE(fw::openImplicitInstance<tibbly::startScrn>(), nullptr);
    ASSERT_NE(openResults(), nullptr);
    EXPECT_EQ(openResults()->handedScore(), 1000);
    // The closed window's pause is over: nothing more plays for it.
    clock->advance(5000);
    EXPECT_EQ(timesPlayed(tibbly::Bye()), 0);
}

TEST_F(GameFlow, HelpIconReleasedAnywhereOpensTheFindHelpAndMovesBack)
{
    script(plainRound(1, 37));
    open();
    auto* help = game->control<fw::Canvas>(QStringLiteral("helpCnv"));
    help->press(4, 4);
    EXPECT_EQ(help->pos(), QPoint(678, 479));
    help->release(-300, 200);
    EXPECT_EQ(help->pos(), QPoint(676, 477));
    EXPECT_TRUE(helpIsOpen());
}
