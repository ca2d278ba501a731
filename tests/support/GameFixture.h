#pragma once

#include "AppFixture.h"
#include "ScriptedRandom.h"

#include "assets/Assets.h"
#include "framework/Sound.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace testsupport {

// A started application for playing a game window on the test clock: its
// draws answered from a script, every sound it plays recorded.
class GameFixture : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        auto scripted = std::make_unique<ScriptedRandom>();
        random = scripted.get();
        // The counters draw a tint on every repaint; those draws are not the game's.
        for (const auto& [lo, hi] : counterTints)
            random->allowFree(lo, hi);
        app().r = std::move(scripted);
        // Sounds are shared objects that remember when an earlier test played
        // them, on an earlier clock.
        for (fw::Sound* sound :
             {tibbly::Intro(), tibbly::Pop(), tibbly::Bonus(), tibbly::found(), tibbly::Gotcha(),
              tibbly::Badee1(), tibbly::RoundEnd(), tibbly::Bye(), tibbly::TaDa(), tibbly::Ring1(),
              tibbly::border(), tibbly::bump2()})
            if (sound)
                sound->Stop();
        fw::Sound::setPlayObserver([this](const fw::Sound& sound) { played.push_back(&sound); });
    }

    void TearDown() override
    {
        fw::Sound::setPlayObserver({});
        AppFixture::TearDown();
    }

    [[nodiscard]] int timesPlayed(const fw::Sound* sound) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), sound));
    }

    // The ranges of the tints the window's counters draw: the first counter's,
    // then the second's where the window has one.
    std::vector<std::pair<int, int>> counterTints{{0, 255}, {0, 195}};
    ScriptedRandom* random = nullptr;
    std::vector<const fw::Sound*> played;
};

} // namespace testsupport
