// Starts either a bare Qt window or the game's start window and leaves as soon
// as the first window has been painted. bench/run.sh times whole runs of both
// and reports their ratio.
#include "FirstPaint.h"

#include "app/Startup.h"

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    QuitOnFirstPaint quitter;
    if (bare) {
        QApplication app(argc, argv);
        app.installEventFilter(&quitter);
        QWidget window;
        window.resize(560, 360);
        window.show();
        return QApplication::exec();
    }
    tibbly::Startup startup(argc, argv);
    qApp->installEventFilter(&quitter);
    startup.start();
    return startup.run();
}
