// The pacing of the game: round starts, intros, pauses and the game's end,
// all driven by the tick counts of the two timers.

#include "games/find/GameScrn.h"

#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Cursors.h"
#include "framework/Strings.h"
#include "prefs/myPrefs.h"
#include "windows/ResultsScrn.h"

namespace tibbly {

using namespace findRules;

namespace {

// newRoundTimer ticks of a round intro: decoys, then the Badees on show, then
// the clicks open.
constexpr int kLastDecoyTick = 5;
constexpr int kBadeePreviewTick = 6;
constexpr int kClicksOpenTick = 10;
// newRoundTimer tick that ends the wait before the next round.
constexpr int kNextRoundTick = 5;
// pauseTimer ticks of both pauses.
constexpr int kScoreTick = 2;
constexpr int kPauseEndTick = 3;

} // namespace

void GameScrn::hndlNewRound()
{
    theBox.setAllPictures(NewBox2());
    setAllLightsGreen();
    ++roundCt;
    if (roundCt <= kRounds) {
        RoundBox->setText(QStringLiteral("Round #") + fw::Str(roundCt) + QStringLiteral(" of 10"));
        selRnd();
        setMouseCursor(fw::WatchCursor());
        newRoundTimer->setMode(fw::Timer::kRepeating);
        play(Intro());
        return;
    }
    InstrTxt->setText(QStringLiteral("Congratulations, ") + Globals::gPrefs->getCurPlayer() +
                      QStringLiteral(". You finished a game!"));
    play(TaDa());
    hndlGameEnd();
}

void GameScrn::newRoundTimer_Action()
{
    ++timeCt;
    if (endOfRound) {
        if (timeCt == kNextRoundTick) {
            newRoundTimer->setMode(fw::Timer::kOff);
            timeCt = 0;
            endOfRound = false;
            hndlNewRound();
        }
        return;
    }
    showRoundIntroTick();
}

void GameScrn::showRoundIntroTick()
{
    if (timeCt <= kLastDecoyTick) {
        // Decoys may fall anywhere, Tibbly's own box included.
        showOnBox(lastTarget, NewBox2());
        const int decoy = drawBox();
        showOnBox(decoy, TibblyFind());
        lastTarget = decoy;
    } else if (timeCt == kBadeePreviewTick) {
        play(Badee1());
        showOnBox(lastTarget, NewBox2());
        for (int box : roundBadees())
            showOnBox(box, badee());
    } else if (timeCt == kClicksOpenTick) {
        for (int box : roundBadees())
            showOnBox(box, NewBox2());
        BadeePict[static_cast<std::size_t>(roundCt - 1)]->Refresh(true);
        newRoundTimer->setMode(fw::Timer::kOff);
        timeCt = 0;
        setMouseCursor(fw::ArrowCursor());
        allowClick = true;
        InstrTxt->setText(roundCt == 1
                              ? QStringLiteral("Welcome, ") + Globals::gPrefs->getCurPlayer() +
                                    QStringLiteral(". Click on any box to begin.")
                              : QStringLiteral("Click on any box to begin."));
    }
}

void GameScrn::pauseTimer_Action()
{
    ++timeCt;
    if (!endOfGame) {
        if (timeCt == kScoreTick) {
            play(RoundEnd());
            setScore();
        } else if (timeCt == kPauseEndTick) {
            pauseTimer->setMode(fw::Timer::kOff);
            InstrTxt->setText(QStringLiteral("Please wait!!!"));
            timeCt = 0;
            newRoundTimer->setMode(fw::Timer::kRepeating);
        }
        return;
    }
    if (timeCt == kScoreTick) {
        play(Bye());
    } else if (timeCt == kPauseEndTick) {
        pauseTimer->setMode(fw::Timer::kOff);
        timeCt = 0;
        InstrTxt->setText(QStringLiteral("Bye, Bye"));
        handOverScore();
    }
}

void GameScrn::hndlRoundEnd()
{
    allowClick = false;
    endOfRound = true;
    timeCt = 0;
    pauseTimer->setMode(fw::Timer::kRepeating);
}

void GameScrn::hndlGameEnd()
{
    allowClick = false;
    // A round cut short by a Badee gives nothing.
    myCurScore = 0;
    refreshCurScore();
    endOfGame = true;
    timeCt = 0;
    Globals::gTotalScore = myTotScore;
    pauseTimer->setMode(fw::Timer::kRepeating);
}

void GameScrn::handOverScore() { ResultsScrn::handOver(); }

void GameScrn::setScore()
{
    myTotScore = added(myTotScore, myCurScore);
    myCurScore = 0;
    totScFld->Refresh(true);
    refreshCurScore();
}

void GameScrn::reinitGame()
{
    // Whatever pause or intro was still counting is stopped here: a tick left
    // over from the last game must not act on the new one.
    newRoundTimer->setMode(fw::Timer::kOff);
    pauseTimer->setMode(fw::Timer::kOff);
    timeCt = 0;
    allowClick = false;

    roundCt = 0;
    endOfGame = false;
    endOfRound = false;
    InstrTxt->setText(QStringLiteral("Please wait!!!"));
    for (const auto& indicator : BadeePict)
        indicator->Refresh(true);
    setAllLightsGreen();
    myTotScore = 0;
    totScFld->Refresh(true);
}

} // namespace tibbly
