// Starts the game as the player does and leaves as soon as the start window has
// been painted. bench/run.sh times whole runs of it against bench_bare.
#include "FirstPaint.h"

#include "app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tibbly::Startup startup(argc, argv);
    QuitOnFirstPaint quitter;
    qApp->installEventFilter(&quitter);
    if (!startup.start())
        return 1;
    return startup.run();
}
