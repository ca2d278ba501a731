// The pacing of a round: its start behind the intro, the single move, the
// race and the pause after the capture.

#include "games/capture/CaptureScrn.h"

#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Cursors.h"
#include "prefs/myPrefs.h"

#include <algorithm>
#include <limits>

namespace tibbly {

namespace {

// pauseTimer ticks of the capture pause.
constexpr int kTaDaTick = 2;
constexpr int kPauseEndTick = 3;

} // namespace

void CaptureScrn::play(fw::Sound* sound) { Globals::gPrefs->playSnd(sound); }

void CaptureScrn::newRound()
{
    startBox_ = App::instance().r->InRange(0, board::kLastBox);
    selBonus();
    totclicks = 0;
    totClicksFld->Refresh(true);
    curScore = 0;
    PtsFld->Refresh(true);
    setMouseCursor(fw::WatchCursor());

    fw::Sound* intro = Intro();
    if (Globals::gPrefs->prSndOff || !intro || intro->lengthMs() <= 0) {
        openRound();
        return;
    }
    // The round opens when the intro has had its length on the clock, which
    // is just when the window stops refusing to close; until then clicks stay
    // off.
    intro->Play();
    introWait->setPeriod(
        static_cast<int>(std::min<qint64>(intro->lengthMs(), std::numeric_limits<int>::max())));
    introWait->setMode(fw::Timer::kOnce);
}

void CaptureScrn::openRound()
{
    theCBox.setPicture(startBox_, TibblyCap());
    curPos = startBox_;
    isBlocked = captureRules::kNoBox;
    endOfRound = false;
    allowclick = true;
    setMouseCursor(fw::ArrowCursor());
    InstrTxt->setText(QStringLiteral("Click boxes to restrict Tibbly and wall him in."));
}

void CaptureScrn::startTimer_Action()
{
    startTimer->setMode(fw::Timer::kOff);
    newRound();
}

void CaptureScrn::movetimer_Action()
{
    movetimer->setMode(fw::Timer::kOff);
    moveTibbly();
    // The turn goes back to the player unless the move captured Tibbly.
    if (!endOfRound)
        allowclick = true;
}

void CaptureScrn::raceTimer_Action() { moveTibbly(); }

void CaptureScrn::pauseTimer_Action()
{
    ++timeCt;
    if (timeCt == kTaDaTick) {
        allowclick = false;
        play(TaDa());
    } else if (timeCt == kPauseEndTick) {
        PtsFld->Refresh(true);
        pauseTimer->setMode(fw::Timer::kOff);
    }
}

void CaptureScrn::stopTimers()
{
    for (fw::Timer* timer : {movetimer.data(), startTimer.data(), raceTimer.data(),
                             pauseTimer.data(), introWait.data()})
        if (timer)
            timer->setMode(fw::Timer::kOff);
}

} // namespace tibbly
