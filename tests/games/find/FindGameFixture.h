#pragma once

#include "AppFixture.h"
#include "ScriptedRandom.h"

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

// A find window on the test clock, its draws answered from a script and every
// sound it plays recorded.
class FindGame : public testsupport::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        auto scripted = std::make_unique<testsupport::ScriptedRandom>();
        random = scripted.get();
        // The counters draw a tint on every repaint; those draws are not the game's.
        random->allowFree(0, 255).allowFree(0, 195);
        app().r = std::move(scripted);
        // Sounds are shared objects that remember when an earlier test played
        // them, on an earlier clock.
        for (fw::Sound* sound :
             {tibbly::Intro(), tibbly::Pop(), tibbly::Bonus(), tibbly::found(), tibbly::Gotcha(),
              tibbly::Badee1(), tibbly::RoundEnd(), tibbly::Bye(), tibbly::TaDa()})
            if (sound)
                sound->Stop();
        fw::Sound::setPlayObserver([this](const fw::Sound& sound) { played.push_back(&sound); });
    }

    void TearDown() override
    {
        fw::Sound::setPlayObserver({});
        AppFixture::TearDown();
    }

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

    [[nodiscard]] int timesPlayed(const fw::Sound* sound) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), sound));
    }

    [[nodiscard]] const fw::Picture* shownOn(int box) const
    {
        return game->control<fw::Canvas>(QStringLiteral("theBox"), box)->Backdrop();
    }

    testsupport::ScriptedRandom* random = nullptr;
    GameScrn* game = nullptr;
    std::vector<const fw::Sound*> played;
};

} // namespace findtest
