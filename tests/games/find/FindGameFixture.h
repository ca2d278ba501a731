#pragma once

#include "GameFixture.h"

#include "assets/Assets.h"
#include "framework/Sound.h"
#include "framework/System.h"
#include "games/find/FindRules.h"
#include "games/find/GameScrn.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace findtest {

using tibbly::GameScrn;
namespace findRules = tibbly::findRules;

// Every draw of one round's set-up and intro, in the order the game makes
// them; rejected draws are listed where they fall.
struct RoundDraws {
    int target = 0;
    std::vector<int> badees;
    std::vector<int> bonuses;
    std::vector<int> decoys{100, 101, 102, 103, 104};
};

// Badees from box 200 on, bonus boxes from 180 on, out of the tests' way.
inline RoundDraws plainRound(int round, int target)
{
    RoundDraws draws;
    draws.target = target;
    for (int i = 0; i < round; ++i)
        draws.badees.push_back(200 + i);
    for (int i = 0; i <= findRules::lastBonusSlot(round); ++i)
        draws.bonuses.push_back(180 + i);
    return draws;
}

// Round set-up to open clicks; round's end to the next set-up; game's end to
// the hand-over of its score.
constexpr int kIntroMs = 7000;
constexpr int kRoundPauseMs = 6500;
constexpr int kGameOverPauseMs = 3000;

// A find window on the test clock.
class FindGame : public testsupport::GameFixture {
protected:
    void script(const RoundDraws& draws)
    {
        random->expect(0, findRules::kLastBox, draws.target);
        for (int box : draws.badees)
            random->expect(0, findRules::kLastBox, box);
        for (int box : draws.bonuses)
            random->expect(0, findRules::kLastBox, box);
        for (int box : draws.decoys)
            random->expect(0, findRules::kLastBox, box);
    }

    void open() { game = GameScrn::instance(); }

    void click(int box) { game->control<fw::Canvas>(QStringLiteral("theBox"), box)->click(); }

    // Waits out the intro, clicks Tibbly and waits for the next round's set-up.
    void playRoundFoundAtFirstClick()
    {
        clock->advance(kIntroMs);
        click(game->state().theTarget);
        clock->advance(kRoundPauseMs);
    }

    [[nodiscard]] const fw::Picture* shownOn(int box) const
    {
        return game->control<fw::Canvas>(QStringLiteral("theBox"), box)->Backdrop();
    }

    [[nodiscard]] QString instruction() const
    {
        return game->control<fw::StaticText>(QStringLiteral("InstrTxt"))->Text();
    }

    GameScrn* game = nullptr;
};

} // namespace findtest
