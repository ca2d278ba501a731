#include "app/Globals.h"

#include "prefs/myPrefs.h"

namespace tibbly::Globals {

std::unique_ptr<myPrefs> gPrefs;
int gTotalScore = 0;

void initGlobals()
{
    gPrefs = std::make_unique<myPrefs>();
    gTotalScore = 0;
}

} // namespace tibbly::Globals
