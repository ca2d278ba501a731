// The game itself: keys and moves, the Badees and their breaks, the intro,
// the end of a game and the painting of a box.

#include "games/maze/amazeScrn.h"

#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Graphics.h"
#include "games/maze/MazeRules.h"
#include "prefs/myPrefs.h"

#include <algorithm>

namespace tibbly {

using namespace mazeRules;

namespace {

// showTimer ticks of the intro.
constexpr int kHomeShownTick = 1;
constexpr int kIntroBadeesShownTick = 3;
constexpr int kIntroBadeesHiddenTick = 6;
constexpr int kTibblyPlacedTick = 7;
// breakTimer ticks of a break.
constexpr int kBreakBadeesShownTick = 1;
constexpr int kBreakEndTick = 4;

// The key texts of the four arrows, as the key field receives them, and their
// direction codes.
struct ArrowKey {
    QChar key;
    int direction;
};
constexpr std::array<ArrowKey, 4> kArrows{{
    {QChar(28), 0}, // left
    {QChar(29), 1}, // right
    {QChar(31), 2}, // down
    {QChar(30), 3}, // up
}};

QString playerName() { return Globals::gPrefs->getCurPlayer(); }

QString guidance(const char* greeting)
{
    return QString::fromLatin1(greeting) + playerName() +
           QStringLiteral(". Use arrow keys to guide Tibbly home. Watch out for the Badees!");
}

} // namespace

void amazeScrn::play(fw::Sound* sound) { Globals::gPrefs->playSnd(sound); }

void amazeScrn::say(const QString& text) { InstrTxt->setText(text); }

void amazeScrn::refreshBox(int box)
{
    if (board::isOnBoard(box) && aBox.isComplete())
        aBox.refresh(box);
}

void amazeScrn::refreshBadees()
{
    for (int box : badeePos)
        refreshBox(box);
}

// Keys and moves -------------------------------------------------------------

bool amazeScrn::stlFocus_KeyDown(const QString& key)
{
    if (inProgress) {
        for (const ArrowKey& arrow : kArrows)
            if (key == arrow.key) {
                hndlKeyPressed(arrow.direction);
                return true;
            }
        return false;
    }
    if (key == kReturn || key == kEnter)
        Close();
    return false;
}

void amazeScrn::hndlKeyPressed(int direction)
{
    const int from = tibblyPos;
    const Step step = judgeStep(from, arrowDirection(direction), boxBlock, badeePos);
    switch (step.kind) {
    case StepKind::Edge:
        play(border());
        break;
    case StepKind::Wall:
        play(bump2());
        break;
    case StepKind::Badee:
        endOfGame(false);
        break;
    case StepKind::Home:
        tibblyPos = step.target;
        refreshBox(from);
        endOfGame(true);
        break;
    case StepKind::Move:
        moveTibbly(step.target, from);
        break;
    }
}

bool amazeScrn::checkBlock(int box) const { return isWall(boxBlock, box); }

bool amazeScrn::checkBadee(int box) const
{
    return std::find(badeePos.begin(), badeePos.end(), box) != badeePos.end();
}

bool amazeScrn::isBadeePosition(int box) const { return checkBadee(box); }

bool amazeScrn::isTibblyPos(int box) const { return box == tibblyPos; }

void amazeScrn::moveTibbly(int newBox, int oldBox)
{
    play(Pop());
    tibblyPos = newBox;
    refreshBox(oldBox);
    refreshBox(newBox);
    ++moveCt;
    moveCtFld->Refresh(true);
    checkIfBreakPt();
}

// Badees and breaks ----------------------------------------------------------

void amazeScrn::checkIfBreakPt()
{
    if (!isBreakDue(lastBreak, breakPoint, moveCt))
        return;
    inProgress = false;
    say(QStringLiteral("Please wait...adding more Badees"));
    placeBadees();
    setBreakPt();
    timerCt = 0;
    breakTimer->setMode(fw::Timer::kRepeating);
}

void amazeScrn::placeBadees()
{
    // Badees dropped here may still be painted (after a loss); their boxes are
    // repainted once they are gone.
    const std::vector<int> dropped = std::move(badeePos);
    badeePos = mazeRules::placeBadees(badeeCount(moveCt), boxBlock, tibblyPos, [](int lo, int hi) {
        return App::instance().r->InRange(lo, hi);
    });
    for (int box : dropped)
        refreshBox(box);
}

void amazeScrn::setBreakPt()
{
    lastBreak = moveCt;
    breakPoint = App::instance().r->InRange(kMinBreakPoint, kMaxBreakPoint);
}

void amazeScrn::showBadees()
{
    badeesVisible = true;
    play(Badee1());
    refreshBadees();
}

void amazeScrn::hideBadees()
{
    badeesVisible = false;
    refreshBadees();
}

void amazeScrn::breakTimer_Action()
{
    ++timerCt;
    if (timerCt == kBreakBadeesShownTick) {
        showBadees();
    } else if (timerCt == kBreakEndTick) {
        hideBadees();
        say(guidance("Continue, "));
        inProgress = true;
        breakTimer->setMode(fw::Timer::kOff);
        timerCt = 0;
    }
}

// Game start, intro and end --------------------------------------------------

void amazeScrn::reinitGame()
{
    inProgress = false;
    // A running intro goes on: the game start that follows restarts it, and
    // after a pick that fails to load it still brings Tibbly onto the board.
    breakTimer->setMode(fw::Timer::kOff);
    badeesVisible = false;
    // The last game's Tibbly, home and shown Badees are wiped from the board
    // now, so that a grid that fails to load does not leave them painted.
    const int oldTibbly = tibblyPos;
    const int oldHome = homePos;
    tibblyPos = -1;
    homePos = -1;
    refreshBox(oldTibbly);
    refreshBox(oldHome);
    refreshBadees();
    moveCt = 0;
    moveCtFld->Refresh(true);
    setBreakPt();
    say(QStringLiteral("Please wait..."));
}

void amazeScrn::newGameBegin()
{
    stlFocus->editor()->setFocus();
    placeBadees();
    timerCt = 0;
    showTimer->setMode(fw::Timer::kRepeating);
}

void amazeScrn::startTimer_Action()
{
    startTimer->setMode(fw::Timer::kOff);
    // An intro still running from the last start is begun afresh below; it
    // must not tick on while a message about the Grids folder waits for the
    // player, or it would hand him the keys and then start over under them.
    showTimer->setMode(fw::Timer::kOff);
    reinitGame();
    getRandomGrid();
    newGameBegin();
}

void amazeScrn::showTimer_Action()
{
    ++timerCt;
    switch (timerCt) {
    case kHomeShownTick:
        play(RoundEnd());
        homePos = kHomeBox;
        refreshBox(kHomeBox);
        break;
    case kIntroBadeesShownTick:
        showBadees();
        break;
    case kIntroBadeesHiddenTick:
        hideBadees();
        break;
    case kTibblyPlacedTick:
        // Whatever the grid holds in box 0, Tibbly starts there.
        tibblyPos = kStartBox;
        refreshBox(kStartBox);
        play(Pop());
        say(guidance("Welcome, "));
        inProgress = true;
        showTimer->setMode(fw::Timer::kOff);
        timerCt = 0;
        stlFocus->editor()->setFocus();
        break;
    default:
        break;
    }
}

void amazeScrn::endOfGame(bool won)
{
    inProgress = false;
    if (won) {
        homePos = -1;
        refreshBox(kHomeBox);
        play(TaDa());
        say(QStringLiteral("Congratulations, ") + playerName() +
            QStringLiteral("! You got Tibbly home."));
    } else {
        showBadees();
        play(Gotcha());
        say(QStringLiteral("Sorry, ") + playerName() +
            QStringLiteral("! Looks like you ran into a Badee."));
    }
}

// Painting -------------------------------------------------------------------

void amazeScrn::aBox_Paint(int index, fw::Graphics& g)
{
    const fw::Picture* picture = amazeBox2();
    if (isTibblyPos(index))
        picture = TibblyAmz();
    else if (index == homePos)
        picture = home2();
    else if (badeesVisible && isBadeePosition(index))
        picture = badee();
    else if (checkBlock(index))
        picture = BrickWall();
    g.DrawPicture(picture, 0, 0);
}

} // namespace tibbly
