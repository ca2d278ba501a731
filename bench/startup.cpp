// Starts a bare Qt window (--bare), a bare window with one line of text
// (--bare-text), or the game's start window, and leaves as soon as the first
// window has been painted. bench/run.sh times whole runs of each and reports
// the ratios. The text variant shows what any window with text pays once: Qt
// reads the system's font list before it draws its first letter.
#include "FirstPaint.h"

#include "app/Startup.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strncmp(argv[1], "--bare", 6) == 0;
    const bool withText = bare && std::strcmp(argv[1], "--bare-text") == 0;
    QuitOnFirstPaint quitter;
    if (bare) {
        QApplication app(argc, argv);
        app.installEventFilter(&quitter);
        QWidget window;
        window.resize(560, 360);
        if (withText)
            new QLabel(QStringLiteral("Tibbly"), &window);
        window.show();
        return QApplication::exec();
    }
    tibbly::Startup startup(argc, argv);
    qApp->installEventFilter(&quitter);
    startup.start();
    return startup.run();
}
