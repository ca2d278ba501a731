#include "CaptureGameFixture.h"

#include "framework/System.h"

using namespace capturetest;
using tibbly::BrickWall;
using tibbly::CBoxNorm;
using tibbly::TibblyCap;

class CaptureMoves : public CaptureGame {};

TEST_F(CaptureMoves, TibblyIsCapturedOnlyWhenAllFourDirectionsFailInOneMove)
{
    openRound(0);
    choose("autoMove");
    click(1);
    click(16);
    // Up is drawn twice and redrawn; left and up leave the board, right is a
    // wall and down is the last clicked box.
    scriptMoves({kUp, kUp, kLeft, kRight, kDown});
    clock->advance(kMediumMs);

    EXPECT_TRUE(state().endOfRound);
    EXPECT_FALSE(state().allowclick);
    EXPECT_EQ(random->remaining(), 0u);
    EXPECT_EQ(state().curScore, 29000);
    EXPECT_EQ(instruction(), QStringLiteral("Congratulations, Unknown! You captured Tibbly."));
    EXPECT_EQ(timesPlayed(tibbly::found()), 1);
    EXPECT_EQ(shownOn(0), TibblyCap());
    // The race has stopped: a further move would draw and fail the script.
    clock->advance(5 * kMediumMs);
    EXPECT_EQ(state().curScore, 29000);
}

TEST_F(CaptureMoves, RingsPayOnceEvenUnderTheStartBoxAndAWalledRingIsLost)
{
    openRound(0, {0, 1, 2, 40, 41, 42, 43, 44, 45, 46});
    EXPECT_EQ(shownOn(0), TibblyCap());
    EXPECT_EQ(shownOn(1), tibbly::Ring());

    auto wallThenStep = [this](int box, std::initializer_list<int> directions) {
        click(box);
        scriptMoves(directions);
        clock->advance(kSingleMoveMs);
    };
    wallThenStep(2, {kRight});
    EXPECT_EQ(state().curPos, 1);
    EXPECT_EQ(state().curScore, 1000);
    EXPECT_EQ(shownOn(0), CBoxNorm());
    wallThenStep(100, {kLeft});
    EXPECT_EQ(state().curScore, 2000);
    wallThenStep(101, {kRight});
    EXPECT_EQ(state().curScore, 2000);
    EXPECT_EQ(timesPlayed(tibbly::Ring1()), 2);
    // The walled ring is a wall like any other.
    wallThenStep(102, {kRight, kDown});
    EXPECT_EQ(state().curPos, 17);
    EXPECT_EQ(state().curScore, 2000);
    EXPECT_EQ(shownOn(2), BrickWall());
    EXPECT_EQ(random->remaining(), 0u);
}

TEST_F(CaptureMoves, TheLastClickedBoxIsWalledAgainWhenTibblyStepsBackOntoIt)
{
    openRound(0);
    choose("autoMove");
    // Walled under him, counted, and free again once he steps off.
    click(0);
    EXPECT_EQ(state().totclicks, 1);
    EXPECT_EQ(shownOn(0), BrickWall());
    scriptMoves({kRight});
    clock->advance(kMediumMs);
    EXPECT_EQ(shownOn(0), CBoxNorm());

    scriptMoves({kLeft, kDown});
    clock->advance(kMediumMs);
    EXPECT_EQ(shownOn(0), BrickWall());
    EXPECT_EQ(state().curPos, 17);
}

TEST_F(CaptureMoves, AClickOnAWallBeepsAndIsNotCounted)
{
    openRound(100);
    choose("autoMove");
    click(5);
    const int beeps = fw::beepCount();
    click(5);
    EXPECT_EQ(fw::beepCount(), beeps + 1);
    EXPECT_EQ(state().totclicks, 1);
}
