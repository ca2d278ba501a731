#include "app/App.h"

#include "app/Globals.h"
#include "assets/holdClickPicts.h"
#include "prefs/myPrefs.h"

#include <cassert>

namespace tibbly {

App::App() = default;
App::~App() = default;

App& App::instance()
{
    auto* app = dynamic_cast<App*>(fw::Application::current());
    assert(app && "the application object is made before anything asks for it");
    return *app;
}

void App::Event_Open()
{
    r = std::make_unique<fw::Random>();
    Globals::initGlobals();
    holdClickPicts::setPicts();
    Globals::gPrefs->readPrefFile();
}

void App::Event_Close()
{
    if (Globals::gPrefs && Globals::gPrefs->fileDirty)
        Globals::gPrefs->writePrefFile();
}

} // namespace tibbly
