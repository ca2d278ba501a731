#pragma once

#include <memory>

namespace tibbly {

class myPrefs;

// The state that all windows share: the preferences store and the score that
// a finished game hands to the high-score window.
namespace Globals {

extern std::unique_ptr<myPrefs> gPrefs;
extern int gTotalScore;

// Makes a fresh store and zeroes the score.
void initGlobals();

} // namespace Globals
} // namespace tibbly
