// Memory and idle CPU of the running game: the start window open and settled,
// then two seconds of the event loop with nothing moving, then the memory
// with the find game open.
#include "BenchSupport.h"

#include "app/Startup.h"
#include "games/find/GameScrn.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    tibbly::Startup startup(argc, argv);
    startup.start();
    runEventLoopFor(1000);
    std::printf("memory with the start window open: %.1f MB (target under 45 MB)\n",
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
