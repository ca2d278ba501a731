// A bare Qt Widgets window, or one with a line of text (--text), that leaves as
// soon as it has been painted: what any Qt program pays before its first
// window shows, for bench/run.sh to compare the game's start window with. It
// links Qt Widgets only, so none of the game's own costs creep in. The text
// variant shows what any window with text pays once: Qt reads the system's
// font list before it draws its first letter.
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    QuitOnFirstPaint quitter;
    app.installEventFilter(&quitter);
    QWidget window;
    window.resize(560, 360);
    if (withText)
        new QLabel(QStringLiteral("Tibbly"), &window);
    window.show();
    return QApplication::exec();
}
