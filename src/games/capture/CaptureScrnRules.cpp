// The board, the player's walls, Tibbly's moves, the capture and the score.

#include "games/capture/CaptureScrn.h"

#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/System.h"
#include "prefs/myPrefs.h"

namespace tibbly {

using namespace captureRules;

namespace {

int drawFrom(int lo, int hi) { return App::instance().r->InRange(lo, hi); }

} // namespace

// All 223 boxes are made at once, before the first round can start: the
// round's start addresses every box.
void CaptureScrn::drawCBoxes() { theCBox.makeRest(); }

bool CaptureScrn::isWall(int box) const
{
    const fw::Picture* wall = BrickWall();
    return wall && theCBox.picture(box) == wall;
}

bool CaptureScrn::theCBox_MouseDown(int index)
{
    // Nothing follows the press, so no mouse-up is asked for.
    if (!allowclick)
        return false;
    if (isWall(index)) {
        fw::Beep();
        return false;
    }
    // A ring walled here is lost; the hero's own box is walled under him.
    isBlocked = index;
    theCBox.setPicture(index, BrickWall());
    ++totclicks;
    totClicksFld->Refresh(true);
    if (!isRace) {
        allowclick = false;
        movetimer->setMode(fw::Timer::kOnce);
    } else if (raceTimer->Mode() == fw::Timer::kOff) {
        raceTimer->setMode(fw::Timer::kRepeating);
    }
    return false;
}

void CaptureScrn::moveTibbly()
{
    // A single move set up during a race may still be due after the race has
    // captured Tibbly; it must not capture him, and pay the bonus, again.
    if (endOfRound)
        return;
    Tried tried{};
    for (int attempt = 0; attempt < kDirections; ++attempt) {
        moveDir = untriedDirection(tried, [] { return drawFrom(0, kDirections - 1); });
        tried[static_cast<std::size_t>(moveDir)] = true;
        if (tryMove(moveDir))
            return;
    }
    capture();
}

bool CaptureScrn::tryMove(int dir)
{
    const Step step = judgeStep(curPos, dir, isBlocked, [this](int box) { return isWall(box); });
    switch (step.outcome) {
    case StepOutcome::ReWall:
        theCBox.setPicture(step.target, BrickWall());
        return false;
    case StepOutcome::Edge:
    case StepOutcome::Wall:
        return false;
    case StepOutcome::Moved:
        break;
    }
    if (checkIfBonus(step.target)) {
        play(Ring1());
        PtsFld->Refresh(true);
    } else {
        play(Pop());
    }
    // The box he leaves is free again, also when the player walled it under him.
    theCBox.setPicture(curPos, CBoxNorm());
    theCBox.setPicture(step.target, TibblyCap());
    curPos = step.target;
    return true;
}

void CaptureScrn::capture()
{
    // Both move timers stop, whichever mode is selected now: a race started
    // before a switch to Single Move must not run into the next round, and a
    // pending single move has nothing left to do.
    raceTimer->setMode(fw::Timer::kOff);
    movetimer->setMode(fw::Timer::kOff);
    play(found());
    endOfRound = true;
    allowclick = false;
    InstrTxt->setText(QStringLiteral("Congratulations, ") + Globals::gPrefs->getCurPlayer() +
                      QStringLiteral("! You captured Tibbly."));
    checkClickBonus();
    timeCt = 0;
    pauseTimer->setMode(fw::Timer::kRepeating);
}

bool CaptureScrn::checkIfBonus(int box)
{
    const std::optional<int> ring = ringAt(bonusBlock, box);
    if (!ring)
        return false;
    // Taken once: the entry no longer matches any box.
    bonusBlock[static_cast<std::size_t>(*ring)] = kNoBox;
    curScore += kRingBonus;
    return true;
}

void CaptureScrn::selBonus()
{
    bonusBlock = drawRings([] { return drawFrom(0, board::kLastBox); });
    for (int box : bonusBlock)
        theCBox.setPicture(box, Ring());
}

void CaptureScrn::checkClickBonus()
{
    curScore += clickBonus(totclicks);
    PtsFld->Refresh(true);
}

} // namespace tibbly
