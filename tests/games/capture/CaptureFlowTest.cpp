#include "CaptureGameFixture.h"

#include "app/Globals.h"
#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "framework/System.h"
#include "prefs/myPrefs.h"
#include "windows/ResultsScrn.h"
#include "windows/startScrn.h"

using namespace capturetest;
using tibbly::BrickWall;
using tibbly::CBoxNorm;
using tibbly::TibblyCap;

class CaptureFlow : public CaptureGame {
protected:
    bool enabledInMenu(const char* item)
    {
        game->enableMenuItems();
        return game->menuBar()->item(QString::fromLatin1(item))->Enabled();
    }

    // Tibbly, opened in box 0, walled in by clicks on 1 and 16 at the race's
    // first tick.
    void captureInTheCorner()
    {
        choose("autoMove");
        click(1);
        click(16);
        scriptMoves({kUp, kLeft, kRight, kDown});
        clock->advance(kMediumMs);
        ASSERT_TRUE(state().endOfRound);
    }

    bool visible(const char* option)
    {
        return game->control<tibbly::qvxCheckBox>(QString::fromLatin1(option))->Visible();
    }
    bool checked(const char* option)
    {
        return game->control<tibbly::qvxCheckBox>(QString::fromLatin1(option))->value();
    }
};

TEST_F(CaptureFlow, TheIntroRefusesCloseAndIgnoresClicksForExactlyItsLength)
{
    scriptRound(0);
    open();
    clock->advance(kStartDelayMs);
    const qint64 intro = tibbly::Intro()->lengthMs();
    ASSERT_GT(intro, 0);
    const int beeps = fw::beepCount();
    click(5);
    game->typeKey(fw::Window::kReturn);
    EXPECT_FALSE(game->isClosed());
    EXPECT_EQ(shownOn(5), CBoxNorm());

    clock->advance(intro - 1);
    EXPECT_FALSE(state().allowclick);
    EXPECT_FALSE(game->Close());
    clock->advance(1);
    EXPECT_TRUE(state().allowclick);
    EXPECT_EQ(shownOn(0), TibblyCap());
    EXPECT_EQ(instruction(), QStringLiteral("Click boxes to restrict Tibbly and wall him in."));
    EXPECT_EQ(fw::beepCount(), beeps);

    game->typeKey(fw::Window::kEnter);
    EXPECT_TRUE(game->isClosed());
    EXPECT_NE(fw::openImplicitInstance<tibbly::startScrn>(), nullptr);
}

TEST_F(CaptureFlow, WithTheSoundOffTheRoundOpensHalfASecondAfterTheWindow)
{
    prefs().prSndOff = true;
    scriptRound(7);
    open();
    EXPECT_EQ(instruction(), QStringLiteral("Please wait ..."));
    clock->advance(kStartDelayMs - 1);
    EXPECT_FALSE(state().allowclick);
    clock->advance(1);
    EXPECT_TRUE(state().allowclick);
    EXPECT_EQ(state().curPos, 7);
    EXPECT_TRUE(played.empty());
}

TEST_F(CaptureFlow, SingleMoveTakesTurnsAndIgnoresASecondClickWhileTheMoveIsPending)
{
    openRound(100);
    click(50);
    click(51);
    EXPECT_EQ(shownOn(51), CBoxNorm());
    EXPECT_EQ(state().totclicks, 1);
    clock->advance(kSingleMoveMs - 1);
    EXPECT_EQ(state().curPos, 100);
    scriptMoves({kUp});
    clock->advance(1);
    EXPECT_EQ(state().curPos, 84);
    EXPECT_TRUE(state().allowclick);
}

TEST_F(CaptureFlow, LaterClicksDoNotRestartTheRaceAndANewSpeedAppliesFromTheNextTick)
{
    openRound(100);
    choose("autoMove");
    click(0);
    clock->advance(150);
    click(1);
    EXPECT_TRUE(state().allowclick);
    scriptMoves({kRight});
    clock->advance(50);
    EXPECT_EQ(state().curPos, 101);

    choose("speedFast");
    scriptMoves({kRight});
    clock->advance(100);
    EXPECT_EQ(state().curPos, 102);
    choose("speedSlow");
    clock->advance(399);
    EXPECT_EQ(state().curPos, 102);
    scriptMoves({kRight});
    clock->advance(1);
    EXPECT_EQ(state().curPos, 103);
}

TEST_F(CaptureFlow, ARaceCaptureStopsTheRaceAndDropsAPendingSingleMove)
{
    openRound(0);
    choose("autoMove");
    click(1);
    // Switching to Single Move leaves the race running; the next click also
    // sets up a single move for a second later.
    choose("SingleMove");
    click(16);
    EXPECT_FALSE(state().allowclick);
    scriptMoves({kUp, kLeft, kRight, kDown});
    clock->advance(kMediumMs);
    ASSERT_TRUE(state().endOfRound);

    // Neither timer draws again, and the bonus is not paid twice.
    clock->advance(kSingleMoveMs + kCapturePauseMs);
    EXPECT_EQ(state().curScore, 29000);
    EXPECT_EQ(timesPlayed(tibbly::found()), 1);
    EXPECT_EQ(timesPlayed(tibbly::TaDa()), 1);
    EXPECT_FALSE(state().allowclick);
}

TEST_F(CaptureFlow, NewDuringTheCapturePauseStartsARoundWithClicksOn)
{
    prefs().prSndOff = true;
    openRound(0);
    captureInTheCorner();
    clock->advance(500);
    EXPECT_TRUE(game->menuCommand(QStringLiteral("FileNew")));
    EXPECT_EQ(shownOn(1), CBoxNorm());
    EXPECT_EQ(shownOn(0), CBoxNorm());
    EXPECT_EQ(instruction(), QStringLiteral("Please wait ..."));
    // The counters keep the ended round's values until the next one begins.
    EXPECT_EQ(state().totclicks, 2);

    scriptRound(50);
    clock->advance(kStartDelayMs);
    EXPECT_TRUE(state().allowclick);
    EXPECT_EQ(state().totclicks, 0);
    EXPECT_EQ(state().curScore, 0);
    EXPECT_EQ(state().isBlocked, -1);
    clock->advance(kCapturePauseMs);
    EXPECT_TRUE(state().allowclick);
    EXPECT_EQ(shownOn(50), TibblyCap());
}

TEST_F(CaptureFlow, NewAndSeeHighScoresAreOfferedOnlyFromACaptureUntilNew)
{
    openRound(0);
    EXPECT_FALSE(enabledInMenu("FileNew"));
    EXPECT_FALSE(enabledInMenu("InfoSeeHighScores"));
    EXPECT_TRUE(enabledInMenu("FileClose"));
    captureInTheCorner();
    EXPECT_TRUE(enabledInMenu("FileNew"));
    tibbly::Globals::gTotalScore = 1234;
    EXPECT_TRUE(game->menuCommand(QStringLiteral("InfoSeeHighScores")));
    EXPECT_EQ(tibbly::Globals::gTotalScore, 0);
    EXPECT_NE(fw::openImplicitInstance<tibbly::ResultsScrn>(), nullptr);

    EXPECT_TRUE(game->menuCommand(QStringLiteral("FileNew")));
    EXPECT_FALSE(enabledInMenu("FileNew"));
    EXPECT_FALSE(enabledInMenu("InfoSeeHighScores"));
}

TEST_F(CaptureFlow, TheMenuBarDoesNotShortenTheWindowAndAResizeMovesNoControl)
{
    openRound(100);
    EXPECT_EQ(game->content()->size(), QSize(780, 540));
    auto* help = game->control<fw::Canvas>(QStringLiteral("helpCnv"));
    const QPoint helpAt = help->pos();
    const QPoint lastBoxAt = game->control<fw::Canvas>(QStringLiteral("theCBox"), 223)->pos();
    game->resize(500, 400);
    game->resize(1000, 700);
    EXPECT_EQ(help->pos(), helpAt);
    EXPECT_EQ(game->control<fw::Canvas>(QStringLiteral("theCBox"), 223)->pos(), lastBoxAt);
}

TEST_F(CaptureFlow, SpeedsShowOnlyInAutoMoveAndKeepTheirChoice)
{
    openRound(100);
    EXPECT_TRUE(checked("SingleMove"));
    EXPECT_FALSE(checked("autoMove"));
    EXPECT_FALSE(visible("speedMedium"));
    choose("autoMove");
    EXPECT_FALSE(checked("SingleMove"));
    EXPECT_TRUE(visible("speedFast") && visible("speedMedium") && visible("speedSlow"));
    EXPECT_TRUE(checked("speedMedium"));
    choose("speedSlow");
    choose("SingleMove");
    EXPECT_FALSE(visible("speedFast") || visible("speedMedium") || visible("speedSlow"));
    choose("autoMove");
    EXPECT_TRUE(checked("speedSlow"));
    EXPECT_FALSE(checked("speedMedium"));
}
