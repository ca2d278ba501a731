#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/ImplicitInstance.h"
#include "prefs/myPrefs.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "windows/startScrn.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tibbly"));
    QApplication::setApplicationVersion(QStringLiteral(TIBBLY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tibbly"));

    tibbly::FileTypes1::_Initialize();
    auto app = std::make_unique<tibbly::App>();
    app->setMenuBar(&tibbly::MenuBar1::instance());
    // The preferences are read before the start window first becomes active,
    // since its players pop-up and its menus show what they hold.
    app->open();
    app->attachToEventLoop();
    tibbly::startScrn::instance();

    const int status = QApplication::exec();

    tibbly::releaseAssets();
    fw::discardAllWindows();
    app.reset();
    tibbly::Globals::gPrefs.reset();
    return status;
}
