// The maze game's cost: opening its window and loading a grid, one key move
// with its two box repaints, listing a Grids folder of 1,000 files, a whole
// game played on the test clock, and the memory with the game open.
#include "BenchSupport.h"
#include "Measure.h"

#include "app/App.h"
#include "app/Globals.h"
#include "framework/Clock.h"
#include "framework/EditField.h"
#include "framework/ImplicitInstance.h"
#include "framework/Random.h"
#include "framework/Sound.h"
#include "games/maze/GridFile.h"
#include "games/maze/amazeScrn.h"
#include "games/maze/amazeScrnGrids.h"
#include "prefs/myPrefs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using tibbly::amazeScrn;

// Puts each placement's Badees in the middle of the board first, away from
// the top row and the right-hand column, and takes the first of every other
// range: a game that runs the same way every time. Every box comes up in
// turn, so a placement of many Badees still ends.
class MiddleRandom : public fw::Random {
public:
    int InRange(int lo, int hi) override
    {
        if (lo == 1 && hi == 222) {
            const int k = next_++ % 222;
            return 1 + (97 + k) % 222;
        }
        // The break point is drawn just before or after each placement.
        next_ = 0;
        return lo;
    }

private:
    int next_ = 0;
};

void press(amazeScrn* game, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(game->control<fw::EditField>(QStringLiteral("stlFocus"))->editor(),
                                &event);
}

// Opens the window and lets its start timer load a grid.
amazeScrn* openAndLoad(fw::TestClock& clock)
{
    amazeScrn* game = amazeScrn::instance();
    clock.advance(1000);
    return game;
}

// Plays from the window's opening to Tibbly's home along the top row and the
// right-hand column, waiting out every break.
bool playWholeGame(fw::TestClock& clock)
{
    amazeScrn* game = openAndLoad(clock);
    clock.advanceUntil([&] { return game->state().inProgress; }, 20'000, 100);
    for (const auto& [key, steps] : {std::pair{Qt::Key_Right, 15}, std::pair{Qt::Key_Down, 13}})
        for (int i = 0; i < steps; ++i) {
            press(game, key);
            clock.advanceUntil(
                [&] { return game->state().inProgress || game->state().tibblyPos == 223; }, 10'000,
                500);
        }
    const bool won = game->state().tibblyPos == 223;
    fw::discardAllWindows();
    return won;
}

} // namespace

int main(int argc, char* argv[])
{
    BenchApp bench(argc, argv);
    bench.app.r = std::make_unique<MiddleRandom>();

    QTemporaryDir grids;
    tibbly::gridFile::Grid walls{};
    for (int box = 32; box < 46; ++box)
        walls[static_cast<std::size_t>(box)] = true;
    if (!tibbly::gridFile::save(QDir(grids.path()).filePath(QStringLiteral("bench.txt")), walls))
        return 1;
    tibbly::mazeGrids::setFolder(grids.path());

    {
        fw::ScopedTestClock clock;
        constexpr int kOpens = 20;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kOpens; ++i) {
            openAndLoad(*clock);
            QApplication::processEvents();
            fw::discardAllWindows();
        }
        std::printf("maze window opened and a grid loaded: %.2f ms (target under 20 ms)\n",
                    double(timer.nsecsElapsed()) / 1e6 / kOpens);
    }
    {
        fw::ScopedTestClock clock;
        amazeScrn* game = openAndLoad(*clock);
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        clock->advanceUntil([&] { return game->state().inProgress; }, 20'000, 100);
        qint64 spent = 0;
        int moves = 0;
        QElapsedTimer timer;
        for (int i = 0; i < 2000; ++i) {
            if (!game->state().inProgress)
                clock->advance(4000);
            const int before = game->state().moveCt;
            timer.start();
            press(game, i % 2 ? Qt::Key_Left : Qt::Key_Right);
            const qint64 ns = timer.nsecsElapsed();
            if (game->state().moveCt != before) {
                spent += ns;
                ++moves;
            }
        }
        std::printf("a key move with its two box repaints: %.4f ms over %d moves "
                    "(target under 1 ms)\n",
                    double(spent) / 1e6 / std::max(moves, 1), moves);
        fw::discardAllWindows();
    }
    {
        QTemporaryDir folder;
        for (int i = 0; i < 1000; ++i) {
            QFile file(
                QDir(folder.path())
                    .filePath(QStringLiteral("grid %1.%2")
                                  .arg(i)
                                  .arg(i % 10 ? QStringLiteral("txt") : QStringLiteral("png"))));
            if (!file.open(QIODevice::WriteOnly))
                return 1;
        }
        constexpr int kListings = 20;
        QElapsedTimer timer;
        timer.start();
        std::size_t listed = 0;
        for (int i = 0; i < kListings; ++i)
            listed = tibbly::mazeGrids::listGridFiles(folder.path()).names.size();
        std::printf(
            "listing a Grids folder of 1,000 files: %.2f ms (%zu grids; target under 50 ms)\n",
            double(timer.nsecsElapsed()) / 1e6 / kListings, listed);
    }
    {
        fw::ScopedTestClock clock;
        constexpr int kGames = 10;
        int won = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kGames; ++i)
            won += playWholeGame(*clock) ? 1 : 0;
        std::printf(
            "a whole maze game on the test clock: %.1f ms (%d of %d won; target under 50 ms)\n",
            double(timer.nsecsElapsed()) / 1e6 / kGames, won, kGames);
    }
    {
        amazeScrn::instance();
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        std::printf("memory with the maze game open: %.1f MB (target under 45 MB)\n",
                    bench::residentMegabytes());
        fw::discardAllWindows();
    }
    tibbly::mazeGrids::setFolder(std::nullopt);
    tibbly::Globals::gPrefs.reset();
    return 0;
}
