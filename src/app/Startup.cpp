#include "app/Startup.h"

#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Dialogs.h"
#include "framework/Files.h"
#include "framework/ImplicitInstance.h"
#include "framework/LazyIconStyle.h"
#include "games/maze/GridFile.h"
#include "prefs/myPrefs.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "windows/startScrn.h"

#include <QApplication>
#include <QStyle>

namespace tibbly {

Startup::Startup(int& argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    qtApp_ = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tibbly"));
    QApplication::setApplicationVersion(QStringLiteral(TIBBLY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tibbly"));
    QApplication::setStyle(new fw::LazyIconStyle(QApplication::style()->name()));
}

bool Startup::start()
{
    fontWarmUp_.finish();
    // One copy at a time may use a preferences file: a second one would save
    // its own players over those the first one added.
    instanceLock_ =
        std::make_unique<fw::InstanceLock>(myPrefs::filePath() + QStringLiteral(".lock"));
    switch (instanceLock_->outcome()) {
    case fw::InstanceLock::Outcome::HeldElsewhere:
        fw::MsgBox(QStringLiteral("Tibbly is already running."));
        return false;
    case fw::InstanceLock::Outcome::Held:
        // Saves that a kill cut short left their new files behind; with this
        // copy the only one, none of them is being written now.
        fw::removeLeftoverSaves(fw::PreferencesFolder());
        fw::removeLeftoverSaves(gridFile::gridsFolder());
        break;
    case fw::InstanceLock::Outcome::Unavailable:
        break;
    }
    FileTypes1::_Initialize();
    app_ = std::make_unique<App>();
    app_->setMenuBar(&MenuBar1::instance());
    // The preferences are read before the start window first becomes active,
    // since its players pop-up and its menus show what they hold.
    app_->open();
    app_->attachToEventLoop();
    startScrn::instance();
    return true;
}

int Startup::run() { return QApplication::exec(); }

Startup::~Startup()
{
    releaseAssets();
    fw::discardAllWindows();
    app_.reset();
    Globals::gPrefs.reset();
}

} // namespace tibbly
