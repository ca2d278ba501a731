#pragma once

#include "GameFixture.h"

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

// A capture window on the test clock.
class CaptureGame : public testsupport::GameFixture {
protected:
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

    CaptureScrn* game = nullptr;
};

} // namespace capturetest
