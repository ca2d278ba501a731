// The capture game's cost: opening its window (all 224 boxes), memory with it
// open, CPU while a Fast race runs on the real clock, a full repaint, and a
// whole Auto Move Fast round played on the test clock.
#include "Measure.h"

#include "app/App.h"
#include "app/Startup.h"
#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/Clock.h"
#include "framework/ImplicitInstance.h"
#include "framework/Random.h"
#include "framework/Sound.h"
#include "games/board/Board.h"
#include "games/capture/CaptureScrn.h"
#include "ui/qvxCheckBox.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

using tibbly::CaptureScrn;

namespace {

using bench::cpuSeconds;
using bench::residentMegabytes;
using bench::runEventLoopFor;

// Runs the event loop until done() holds, at most maxMs.
void runEventLoopUntil(const std::function<bool()>& done, int maxMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < maxMs)
        runEventLoopFor(20);
}

fw::Canvas* box(CaptureScrn* game, int index)
{
    return game->control<fw::Canvas>(QStringLiteral("theCBox"), index);
}

void choose(CaptureScrn* game, const char* option)
{
    game->control<tibbly::qvxCheckBox>(QString::fromLatin1(option))->click();
}

double openingMs()
{
    QElapsedTimer timer;
    timer.start();
    CaptureScrn::instance();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Plays one Auto Move Fast round as a quick player would: at every tick,
// every free box beside Tibbly is walled. Returns the round's score.
int playFastRound(fw::TestClock& clock)
{
    CaptureScrn* game = CaptureScrn::instance();
    choose(game, "autoMove");
    choose(game, "speedFast");
    clock.advanceUntil([&] { return game->state().allowclick; }, 20'000, 50);
    const qint64 giveUpAt = clock.nowMs() + 600'000;
    while (!game->state().endOfRound && clock.nowMs() < giveUpAt) {
        for (int dir = 0; dir < tibbly::board::kDirections; ++dir) {
            const auto next = tibbly::board::neighbour(game->state().curPos,
                                                       static_cast<tibbly::board::Direction>(dir));
            if (next && box(game, *next)->Backdrop() != tibbly::BrickWall())
                box(game, *next)->click();
        }
        clock.advance(100);
    }
    const int score = game->state().curScore;
    fw::discardAllWindows();
    return score;
}

} // namespace

int main(int argc, char* argv[])
{
    fw::Sound::setAudioModule(QStringLiteral(BENCH_AUDIO_MODULE));
    tibbly::Startup startup(argc, argv);
    if (!startup.start())
        return 1;
    runEventLoopFor(500);

    const double firstOpening = openingMs();
    CaptureScrn* game = fw::openImplicitInstance<CaptureScrn>();
    runEventLoopFor(1500);
    std::printf("memory with the capture game open: %.1f MB (target under 45 MB)\n",
                residentMegabytes());

    // A Fast race that never ends: one wall cannot capture Tibbly.
    choose(game, "autoMove");
    choose(game, "speedFast");
    runEventLoopUntil([&] { return game->state().allowclick; }, 20'000);
    const int far =
        (game->state().curPos + tibbly::board::kBoxCount / 2) % tibbly::board::kBoxCount;
    box(game, far)->click();
    constexpr int kRaceMs = 3000;
    const int stepsBefore = tibbly::Pop()->playCount() + tibbly::Ring1()->playCount();
    const double before = cpuSeconds();
    runEventLoopFor(kRaceMs);
    const double cpu = (cpuSeconds() - before) * 1000.0;
    const int steps = tibbly::Pop()->playCount() + tibbly::Ring1()->playCount() - stepsBefore;
    std::printf("CPU while a Fast race runs: %.1f ms in %d ms (%d steps), %.2f %% of one core "
                "(target at most 2 %%)\n",
                cpu, kRaceMs, steps, cpu / kRaceMs * 100.0);
    fw::discardAllWindows();
    QApplication::processEvents();

    tibbly::App::instance().r = std::make_unique<fw::Random>(7);
    fw::ScopedTestClock clock;
    constexpr int kOpenings = 20;
    double reopening = 0;
    for (int i = 0; i < kOpenings; ++i) {
        reopening += openingMs();
        fw::discardAllWindows();
        QApplication::processEvents();
    }
    std::printf("opening the capture window: first %.2f ms, then %.2f ms (target under 20 ms)\n",
                firstOpening, reopening / kOpenings);

    game = CaptureScrn::instance();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    std::printf("full repaint of the capture window: %.3f ms (target under 1 ms)\n",
                bench::repaintMs(*game));
    fw::discardAllWindows();

    constexpr int kRounds = 10;
    QElapsedTimer timer;
    timer.start();
    int score = 0;
    for (int i = 0; i < kRounds; ++i)
        score = playFastRound(*clock);
    std::printf("a whole Auto Move Fast round on the test clock: %.1f ms (target under 50 ms; "
                "last score %d)\n",
                double(timer.nsecsElapsed()) / 1e6 / kRounds, score);
    return 0;
}
