#include "MazeGameFixture.h"

#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "ui/CnvBtn.h"
#include "windows/startScrn.h"

using namespace mazetest;
namespace tb = tibbly;

namespace {

const QString kWelcome = QStringLiteral(
    "Welcome, Unknown. Use arrow keys to guide Tibbly home. Watch out for the Badees!");

} // namespace

TEST_F(MazeGame, WalkingHomeWinsWithoutCountingTheLastStep)
{
    scriptOneGrid(12);
    scriptBreak({100, 101, 102, 103}, 12);
    scriptBreak({100, 101, 102, 103, 104, 105}, 12);
    openAndPlay();
    EXPECT_EQ(instruction(), kWelcome);

    walk(Qt::Key_Right, 15);
    walk(Qt::Key_Down, 13);

    EXPECT_EQ(game->state().tibblyPos, 223);
    EXPECT_EQ(game->state().homePos, -1);
    EXPECT_FALSE(game->state().inProgress);
    EXPECT_EQ(game->state().moveCt, 27);
    // One Pop as the intro puts Tibbly down, one per counted move.
    EXPECT_EQ(timesPlayed(tb::Pop()), 28);
    EXPECT_EQ(timesPlayed(tb::TaDa()), 1);
    EXPECT_EQ(instruction(), QStringLiteral("Congratulations, Unknown! You got Tibbly home."));
    EXPECT_EQ(random->remaining(), 0u);
}

TEST_F(MazeGame, EdgesAndWallsSoundButCountNothing)
{
    scriptOneGrid(4, {1});
    openAndPlay();
    press(Qt::Key_Up);
    press(Qt::Key_Left);
    press(Qt::Key_Right);
    EXPECT_EQ(timesPlayed(tb::border()), 2);
    EXPECT_EQ(timesPlayed(tb::bump2()), 1);
    EXPECT_EQ(game->state().tibblyPos, 0);
    EXPECT_EQ(game->state().moveCt, 0);
    EXPECT_TRUE(game->state().inProgress);
}

TEST_F(MazeGame, StepOntoHiddenBadeeLosesAndShowsThemAll)
{
    scriptOneGrid(12, {}, {16, 101, 102});
    openAndPlay();
    ASSERT_FALSE(game->state().badeesVisible);
    played.clear();
    press(Qt::Key_Down);
    EXPECT_FALSE(game->state().inProgress);
    EXPECT_TRUE(game->state().badeesVisible);
    EXPECT_EQ(game->state().tibblyPos, 0);
    EXPECT_EQ(game->state().moveCt, 0);
    EXPECT_EQ(played, (std::vector<const fw::Sound*>{tb::Badee1(), tb::Gotcha()}));
    EXPECT_EQ(instruction(), QStringLiteral("Sorry, Unknown! Looks like you ran into a Badee."));
    press(Qt::Key_Right);
    EXPECT_EQ(game->state().tibblyPos, 0);
}

TEST_F(MazeGame, BreakComesAfterExactlyBreakPointCountedMovesAndHoldsTheKeys)
{
    scriptOneGrid(4);
    scriptBreak({110, 111, 112}, 9);
    openAndPlay();
    press(Qt::Key_Up);
    press(Qt::Key_Right, 3);
    EXPECT_TRUE(game->state().inProgress);
    press(Qt::Key_Right);
    EXPECT_FALSE(game->state().inProgress);
    EXPECT_EQ(instruction(), QStringLiteral("Please wait...adding more Badees"));
    EXPECT_EQ(game->state().badeePos, (std::vector<int>{110, 111, 112}));
    EXPECT_EQ(game->state().lastBreak, 4);
    EXPECT_EQ(game->state().breakPoint, 9);

    clock->advance(1000);
    EXPECT_TRUE(game->state().badeesVisible);
    press(Qt::Key_Right);
    clock->advance(2000);
    EXPECT_EQ(game->state().tibblyPos, 4);
    EXPECT_FALSE(game->state().inProgress);
    clock->advance(1000);
    EXPECT_TRUE(game->state().inProgress);
    EXPECT_FALSE(game->state().badeesVisible);
    EXPECT_EQ(
        instruction(),
        QStringLiteral(
            "Continue, Unknown. Use arrow keys to guide Tibbly home. Watch out for the Badees!"));
}

TEST_F(MazeGame, ReturnAndEnterCloseOnlyWhileNoMovesAreTaken)
{
    scriptOneGrid(4);
    openAndPlay();
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_FALSE(game->isClosed());

    // Into a break: the keys now close the window.
    scriptBreak({110, 111, 112}, 9);
    press(Qt::Key_Right, 4);
    ASSERT_FALSE(game->state().inProgress);
    press(Qt::Key_Enter);
    EXPECT_TRUE(game->isClosed());
    EXPECT_NE(fw::openImplicitInstance<tb::startScrn>(), nullptr);
}

TEST_F(MazeGame, DuringTheIntroArrowsMoveNothingAndReturnCloses)
{
    scriptOneGrid(4);
    open();
    clock->advance(kStartMs + 6000);
    press(Qt::Key_Right);
    EXPECT_EQ(game->state().tibblyPos, -1);
    press(Qt::Key_Return);
    EXPECT_TRUE(game->isClosed());
}

TEST_F(MazeGame, ClosingDuringTheIntroStopsEveryTimerAndSound)
{
    scriptOneGrid(4);
    open();
    clock->advance(kStartMs + 3000);
    ASSERT_TRUE(game->state().badeesVisible);
    ASSERT_TRUE(game->menuCommand(QStringLiteral("FileClose")));
    EXPECT_EQ(clock->armedCount(), 0);
    EXPECT_FALSE(tb::Badee1()->IsPlaying());
    const std::size_t heard = played.size();
    clock->advance(20'000);
    EXPECT_EQ(played.size(), heard);
    EXPECT_EQ(game->state().tibblyPos, -1);
}

TEST_F(MazeGame, NewDuringPlayKeepsMovesUntilTheStartTimerFires)
{
    scriptOneGrid(12);
    openAndPlay();
    ASSERT_TRUE(game->menuCommand(QStringLiteral("FileNew")));
    press(Qt::Key_Right);
    EXPECT_EQ(game->state().moveCt, 1);

    scriptStart(12, 1, 0, {103, 104, 105});
    clock->advance(kStartMs);
    EXPECT_EQ(game->state().moveCt, 0);
    EXPECT_EQ(game->state().tibblyPos, -1);
    press(Qt::Key_Right);
    clock->advance(kIntroMs - 1);
    EXPECT_FALSE(game->state().inProgress);
    clock->advance(1);
    EXPECT_TRUE(game->state().inProgress);
    EXPECT_EQ(game->state().tibblyPos, 0);
    EXPECT_EQ(game->state().badeePos, (std::vector<int>{103, 104, 105}));
}

TEST_F(MazeGame, NewDuringABreakEndsItAndRunsAWholeIntro)
{
    scriptOneGrid(4);
    scriptBreak({110, 111, 112}, 9);
    openAndPlay();
    press(Qt::Key_Right, 4);
    clock->advance(500);
    ASSERT_TRUE(game->menuCommand(QStringLiteral("FileNew")));
    scriptStart(5, 1, 0, {103, 104, 105});
    // The break shows its Badees half a second later, then the game starts.
    clock->advance(kStartMs);
    EXPECT_FALSE(game->state().badeesVisible);
    EXPECT_EQ(game->state().timerCt, 0);
    clock->advance(kIntroMs - 1);
    EXPECT_FALSE(game->state().inProgress);
    clock->advance(1);
    EXPECT_TRUE(game->state().inProgress);
    EXPECT_EQ(instruction(), kWelcome);
}

TEST_F(MazeGame, WallInBoxZeroStillStartsTibblyThere)
{
    scriptOneGrid(4, {0});
    openAndPlay();
    EXPECT_TRUE(game->state().boxBlock[0]);
    EXPECT_EQ(game->state().tibblyPos, 0);
    press(Qt::Key_Right);
    EXPECT_EQ(game->state().tibblyPos, 1);
}

TEST_F(MazeGame, AllWallGridPlacesNoBadeeAndAShortGridKeepsTheWallsPastIt)
{
    writeGrid(QStringLiteral("All Walls.txt"), allWalls());
    writeGrid(QStringLiteral("Short.TXT"), "0,0,0,0,0,0,0,0,0,0");
    scriptStart(4, 2, 0, {});
    open();
    clock->advance(kStartMs);
    EXPECT_TRUE(game->state().badeePos.empty());
    ASSERT_EQ(popup()->ListCount(), 2);
    EXPECT_EQ(popup()->List(1), QStringLiteral("Short"));
    EXPECT_EQ(popup()->ListIndex(), 0);

    // Only boxes 1 to 9 are free now; draws that miss them are drawn again.
    random->expect(4, 12, 6);
    scriptBadees({50, 1, 2, 3});
    popup()->choose(1);
    tb::gridFile::Grid walls;
    walls.fill(true);
    std::fill_n(walls.begin(), 10, false);
    EXPECT_EQ(game->state().boxBlock, walls);
    EXPECT_EQ(game->state().badeePos, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MazeGame, FoldersWithoutGridsAreReportedAndTheGameStartsAnyway)
{
    struct Case {
        std::function<void()> prepare;
        QString message;
    };
    const std::vector<Case> cases{
        {[] { tb::mazeGrids::setFolder(QString()); }, QStringLiteral("No Grids are available")},
        {[this] { tb::mazeGrids::setFolder(grids.filePath(QStringLiteral("gone"))); },
         QStringLiteral("The 'Grids' folder is missing. No Grids are available for this game.")},
        {[this] {
             tb::mazeGrids::setFolder(grids.path());
             writeGrid(QStringLiteral("notes.md"), "0");
             QDir(grids.path()).mkdir(QStringLiteral("sub.txt"));
         },
         QStringLiteral("There are no valid grid files in the 'Grids' folder")},
    };
    for (const Case& c : cases) {
        c.prepare();
        dialogs.messages.clear();
        scriptStart(4, 0, 0, {100, 101, 102});
        openAndPlay();
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        EXPECT_EQ(popup()->ListCount(), 0);
        game->Close();
        settle();
    }
}

TEST_F(MazeGame, PickedFileGoneOrUnreadableFailsWithBothMessagesAndStartsNothing)
{
    for (const bool replaceByFolder : {false, true}) {
        writeGrid(QStringLiteral("a.txt"), gridLine());
        writeGrid(QStringLiteral("b.txt"), gridLine());
        scriptStart(4, 2, 0, {100, 101, 102});
        openAndPlay();
        ASSERT_TRUE(QFile::remove(grids.filePath(QStringLiteral("b.txt"))));
        if (replaceByFolder) {
            ASSERT_TRUE(QDir(grids.path()).mkdir(QStringLiteral("b.txt")));
        }
        dialogs.messages.clear();
        random->expect(4, 12, 4);
        popup()->choose(1);
        EXPECT_EQ(dialogs.messages,
                  (QStringList{QStringLiteral("Error in loading the selected grid"),
                               QStringLiteral("Error in loading new grid")}));
        clock->advance(kIntroMs * 2);
        EXPECT_FALSE(game->state().inProgress);
        EXPECT_EQ(game->state().tibblyPos, -1);
        game->Close();
        settle();
        QDir(grids.path()).rmdir(QStringLiteral("b.txt"));
    }
}

TEST_F(MazeGame, StartWindowsMazeButtonOpensTheGameAndCloses)
{
    tb::startScrn* start = tb::startScrn::instance();
    start->control<tb::CnvBtn>(QStringLiteral("aMazeCnv"))->click();
    EXPECT_TRUE(start->isClosed());
    game = fw::openImplicitInstance<amazeScrn>();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->windowTitle(), QStringLiteral("aMAZE Tibbly"));
}
