// The find board's cost: a full repaint of the game window, and a whole
// ten-round game played on the test clock (every round found at once).
#include "BenchSupport.h"
#include "Measure.h"

#include "app/App.h"
#include "app/Globals.h"
#include "framework/Canvas.h"
#include "framework/Clock.h"
#include "framework/ImplicitInstance.h"
#include "framework/Sound.h"
#include "games/find/GameScrn.h"
#include "prefs/myPrefs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Plays one game to its end; returns the total.
int playWholeGame(fw::TestClock& clock)
{
    tibbly::GameScrn* game = tibbly::GameScrn::instance();
    for (int round = 1; round <= 10; ++round) {
        clock.advanceUntil([&] { return game->state().allowClick; }, 20'000, 100);
        game->control<fw::Canvas>(QStringLiteral("theBox"), game->state().theTarget)->click();
    }
    clock.advanceUntil([&] { return game->isGameOver(); }, 60'000, 100);
    const int total = game->state().myTotScore;
    fw::discardAllWindows();
    return total;
}

} // namespace

int main(int argc, char* argv[])
{
    BenchApp bench(argc, argv);
    bench.app.r = std::make_unique<fw::Random>(7);

    {
        fw::ScopedTestClock clock;
        tibbly::GameScrn* game = tibbly::GameScrn::instance();
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        std::printf("full repaint of the find window: %.3f ms (target well under 1 ms)\n",
                    bench::repaintMs(*game));
        fw::discardAllWindows();
    }
    {
        fw::ScopedTestClock clock;
        constexpr int kGames = 10;
        QElapsedTimer timer;
        timer.start();
        int total = 0;
        for (int i = 0; i < kGames; ++i)
            total = playWholeGame(*clock);
        std::printf("a whole find game on the test clock: %.1f ms (target well under 100 ms; "
                    "total %d)\n",
                    double(timer.nsecsElapsed()) / 1e6 / kGames, total);
    }
    tibbly::Globals::gPrefs.reset();
    return 0;
}
