#pragma once

#include "AppFixture.h"
#include "ScriptedRandom.h"

#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/Sound.h"
#include "framework/StaticText.h"
#include "games/capture/CaptureScrn.h"
#include "ui/qvxCheckBox.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

namespace capturetest {

using tibbly::CaptureScrn;
using tibbly::CaptureState;

constexpr int kStartDelayMs = 500;
constexpr int kSingleMoveMs = 1000;
constexpr int kMediumMs = 200;
constexpr int kCapturePauseMs = 3000;

constexpr int kUp = 0;
constexpr int kRight = 1;
constexpr int kDown = 2;
constexpr int kLeft = 3;

// Rings along the bottom row, out of the way of tests that do not look at them.
inline std::vector<int> bottomRings() { return {208, 209, 210, 211, 212, 213, 214, 215, 216, 217}; }

// A capture window on the test clock, its draws answered from a script and
// every sound it plays recorded.
class CaptureGame : public testsupport::AppFixture {
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
             {tibbly::Intro(), tibbly::Pop(), tibbly::Ring1(), tibbly::found(), tibbly::TaDa()})
            if (sound)
                sound->Stop();
        fw::Sound::setPlayObserver([this](const fw::Sound& sound) { played.push_back(&sound); });
    }

    void TearDown() override
    {
        fw::Sound::setPlayObserver({});
        AppFixture::TearDown();
    }

    void scriptRound(int start, const std::vector<int>& rings = bottomRings())
    {
        random->expect(0, 223, start);
        for (int box : rings)
            random->expect(0, 223, box);
    }

    void scriptMoves(std::initializer_list<int> directions)
    {
        for (int dir : directions)
            random->expect(0, 3, dir);
    }

    void open() { game = CaptureScrn::instance(); }

    // Opens the window and waits, through the intro, until clicks are taken.
    void openRound(int start, const std::vector<int>& rings = bottomRings())
    {
        scriptRound(start, rings);
        open();
        ASSERT_TRUE(clock->advanceUntil([this] { return game->state().allowclick; }, 20'000, 10));
    }

    void click(int box) { game->control<fw::Canvas>(QStringLiteral("theCBox"), box)->click(); }

    void choose(const char* option)
    {
        game->control<tibbly::qvxCheckBox>(QString::fromLatin1(option))->click();
    }

    [[nodiscard]] const CaptureState& state() const { return game->state(); }

    [[nodiscard]] const fw::Picture* shownOn(int box) const
    {
        return game->control<fw::Canvas>(QStringLiteral("theCBox"), box)->Backdrop();
    }

    [[nodiscard]] QString instruction() const
    {
        return game->control<fw::StaticText>(QStringLiteral("InstrTxt"))->Text();
    }

    [[nodiscard]] int timesPlayed(const fw::Sound* sound) const
    {
        return static_cast<int>(std::count(played.begin(), played.end(), sound));
    }

    testsupport::ScriptedRandom* random = nullptr;
    CaptureScrn* game = nullptr;
    std::vector<const fw::Sound*> played;
};

} // namespace capturetest
