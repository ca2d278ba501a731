#pragma once

#include "framework/Cursors.h"
#include "framework/Picture.h"
#include "framework/Sound.h"

#include <QString>
#include <vector>

namespace tibbly {

// Every picture, sound, help text and cursor of the game, each by its name.
// Each accessor fetches its asset from the resource store on first use and
// returns the very same object on every later call, so a box's state can be
// told by comparing its picture with an accessor's. A picture, sound or cursor
// the store does not hold comes back as nullptr (and is asked for again next
// time); a missing help text as the empty string.

// Pictures
fw::Picture* amazeBox2();
fw::Picture* badee();
fw::Picture* blueCheckBox();
fw::Picture* BrickWall();
fw::Picture* ButtonBkg();
fw::Picture* CBoxNorm();
fw::Picture* QVX_VaneLogoGray();
fw::Picture* boxWithCheck();
fw::Picture* CkBoxMask();
fw::Picture* closeBtn();
fw::Picture* FourX();
fw::Picture* greenLt2();
fw::Picture* GrayBkg();
fw::Picture* helpBkg();
fw::Picture* helpIcon();
fw::Picture* hiScores();
fw::Picture* home2();
fw::Picture* mainTitle();
fw::Picture* NewBox2();
fw::Picture* redLt2();
fw::Picture* Ring();
fw::Picture* TibblyAmz();
fw::Picture* TibblyCap();
fw::Picture* TibblyFind();
fw::Picture* TibblyPanel();
fw::Picture* ThreeX();
fw::Picture* TwoX();
fw::Picture* xbox1();
fw::Picture* xbox2();
fw::Picture* xbox3();
fw::Picture* xbox4();
fw::Picture* xbox5();
fw::Picture* xbox6();
fw::Picture* xbox7();
fw::Picture* xbox8();
fw::Picture* xbox9();
fw::Picture* newbox10();
fw::Picture* helpCloseBtn();

// Sounds
fw::Sound* Badee1();
fw::Sound* Bonus();
fw::Sound* border();
fw::Sound* bump2();
fw::Sound* Bye();
fw::Sound* found();
fw::Sound* Gotcha();
fw::Sound* Intro();
fw::Sound* Pop();
fw::Sound* Ring1();
fw::Sound* RoundEnd();
fw::Sound* TaDa();

// Help texts
const QString& help_Amaze();
const QString& help_Capture1();
const QString& help_Find1();
const QString& help_Start();

// The pointing-finger cursor
const fw::MouseCursor* FingerCurs();

// The asset table: kind, name and resource ID of each asset, for tests and tools.
enum class AssetKind { Picture, Sound, Text, Cursor };
struct AssetEntry {
    AssetKind kind;
    const char* name;
    int id;
};
[[nodiscard]] const std::vector<AssetEntry>& assetTable();

// Releases every cached asset; the next use fetches it again.
void releaseAssets();

} // namespace tibbly
