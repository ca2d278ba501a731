// Memory and idle CPU of the running game: the start window open and settled,
// then two seconds of the event loop with nothing moving, then the memory
// with the find game open.
#include "app/Startup.h"
#include "framework/Sound.h"
#include "games/find/GameScrn.h"

#include "Measure.h"

#include <QApplication>

#include <cstdio>

using bench::cpuSeconds;
using bench::residentMegabytes;
using bench::runEventLoopFor;

int main(int argc, char* argv[])
{
    fw::Sound::setAudioModule(QStringLiteral(BENCH_AUDIO_MODULE));
    tibbly::Startup startup(argc, argv);
    if (!startup.start())
        return 1;
    runEventLoopFor(1000);
    std::printf("memory with the start window open: %.1f MB (target under 34 MB)\n",
                residentMegabytes());
    const double before = cpuSeconds();
    runEventLoopFor(2000);
    std::printf("CPU while nothing moves: %.1f ms in 2 s (target 0)\n",
                (cpuSeconds() - before) * 1000.0);
    tibbly::GameScrn::instance();
    runEventLoopFor(1500);
    std::printf("memory with the find game open: %.1f MB (target under 45 MB)\n",
                residentMegabytes());
    return 0;
}
