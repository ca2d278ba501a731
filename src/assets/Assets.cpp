#include "assets/Assets.h"

#include "framework/ResourceStore.h"

#include <memory>

namespace tibbly {
namespace {

fw::ResourceStore& store()
{
    static fw::ResourceStore theStore;
    return theStore;
}

template <class T> struct Slot {
    std::unique_ptr<T> object;
};

fw::Picture* picture(Slot<fw::Picture>& slot, int id)
{
    if (!slot.object)
        slot.object = store().GetPicture(id);
    return slot.object.get();
}

fw::Sound* sound(Slot<fw::Sound>& slot, int id)
{
    if (!slot.object)
        slot.object = store().GetSound(id);
    return slot.object.get();
}

struct TextSlot {
    QString text;
    bool loaded = false;
};

const QString& text(TextSlot& slot, int id)
{
    if (!slot.loaded) {
        slot.text = store().GetResource(QStringLiteral("TEXT"), id);
        slot.loaded = true;
    }
    return slot.text;
}

Slot<fw::Picture> s_amazeBox2;
Slot<fw::Picture> s_badee;
Slot<fw::Picture> s_blueCheckBox;
Slot<fw::Picture> s_BrickWall;
Slot<fw::Picture> s_ButtonBkg;
Slot<fw::Picture> s_CBoxNorm;
Slot<fw::Picture> s_QVX_VaneLogoGray;
Slot<fw::Picture> s_boxWithCheck;
Slot<fw::Picture> s_CkBoxMask;
Slot<fw::Picture> s_closeBtn;
Slot<fw::Picture> s_FourX;
Slot<fw::Picture> s_greenLt2;
Slot<fw::Picture> s_GrayBkg;
Slot<fw::Picture> s_helpBkg;
Slot<fw::Picture> s_helpIcon;
Slot<fw::Picture> s_hiScores;
Slot<fw::Picture> s_home2;
Slot<fw::Picture> s_mainTitle;
Slot<fw::Picture> s_NewBox2;
Slot<fw::Picture> s_redLt2;
Slot<fw::Picture> s_Ring;
Slot<fw::Picture> s_TibblyAmz;
Slot<fw::Picture> s_TibblyCap;
Slot<fw::Picture> s_TibblyFind;
Slot<fw::Picture> s_TibblyPanel;
Slot<fw::Picture> s_ThreeX;
Slot<fw::Picture> s_TwoX;
Slot<fw::Picture> s_xbox1;
Slot<fw::Picture> s_xbox2;
Slot<fw::Picture> s_xbox3;
Slot<fw::Picture> s_xbox4;
Slot<fw::Picture> s_xbox5;
Slot<fw::Picture> s_xbox6;
Slot<fw::Picture> s_xbox7;
Slot<fw::Picture> s_xbox8;
Slot<fw::Picture> s_xbox9;
Slot<fw::Picture> s_newbox10;
Slot<fw::Picture> s_helpCloseBtn;
Slot<fw::Sound> s_Badee1;
Slot<fw::Sound> s_Bonus;
Slot<fw::Sound> s_border;
Slot<fw::Sound> s_bump2;
Slot<fw::Sound> s_Bye;
Slot<fw::Sound> s_found;
Slot<fw::Sound> s_Gotcha;
Slot<fw::Sound> s_Intro;
Slot<fw::Sound> s_Pop;
Slot<fw::Sound> s_Ring1;
Slot<fw::Sound> s_RoundEnd;
Slot<fw::Sound> s_TaDa;
TextSlot s_help_Amaze;
TextSlot s_help_Capture1;
TextSlot s_help_Find1;
TextSlot s_help_Start;
Slot<fw::MouseCursor> s_FingerCurs;

} // namespace

fw::Picture* amazeBox2() { return picture(s_amazeBox2, 168); }
fw::Picture* badee() { return picture(s_badee, 169); }
fw::Picture* blueCheckBox() { return picture(s_blueCheckBox, 170); }
fw::Picture* BrickWall() { return picture(s_BrickWall, 171); }
fw::Picture* ButtonBkg() { return picture(s_ButtonBkg, 172); }
fw::Picture* CBoxNorm() { return picture(s_CBoxNorm, 173); }
fw::Picture* QVX_VaneLogoGray() { return picture(s_QVX_VaneLogoGray, 174); }
fw::Picture* boxWithCheck() { return picture(s_boxWithCheck, 175); }
fw::Picture* CkBoxMask() { return picture(s_CkBoxMask, 176); }
fw::Picture* closeBtn() { return picture(s_closeBtn, 177); }
fw::Picture* FourX() { return picture(s_FourX, 178); }
fw::Picture* greenLt2() { return picture(s_greenLt2, 179); }
fw::Picture* GrayBkg() { return picture(s_GrayBkg, 180); }
fw::Picture* helpBkg() { return picture(s_helpBkg, 181); }
fw::Picture* helpIcon() { return picture(s_helpIcon, 184); }
fw::Picture* hiScores() { return picture(s_hiScores, 185); }
fw::Picture* home2() { return picture(s_home2, 186); }
fw::Picture* mainTitle() { return picture(s_mainTitle, 187); }
fw::Picture* NewBox2() { return picture(s_NewBox2, 188); }
fw::Picture* redLt2() { return picture(s_redLt2, 189); }
fw::Picture* Ring() { return picture(s_Ring, 190); }
fw::Picture* TibblyAmz() { return picture(s_TibblyAmz, 192); }
fw::Picture* TibblyCap() { return picture(s_TibblyCap, 193); }
fw::Picture* TibblyFind() { return picture(s_TibblyFind, 194); }
fw::Picture* TibblyPanel() { return picture(s_TibblyPanel, 195); }
fw::Picture* ThreeX() { return picture(s_ThreeX, 196); }
fw::Picture* TwoX() { return picture(s_TwoX, 197); }
fw::Picture* xbox1() { return picture(s_xbox1, 198); }
fw::Picture* xbox2() { return picture(s_xbox2, 199); }
fw::Picture* xbox3() { return picture(s_xbox3, 200); }
fw::Picture* xbox4() { return picture(s_xbox4, 201); }
fw::Picture* xbox5() { return picture(s_xbox5, 202); }
fw::Picture* xbox6() { return picture(s_xbox6, 203); }
fw::Picture* xbox7() { return picture(s_xbox7, 204); }
fw::Picture* xbox8() { return picture(s_xbox8, 205); }
fw::Picture* xbox9() { return picture(s_xbox9, 206); }
fw::Picture* newbox10() { return picture(s_newbox10, 207); }
fw::Picture* helpCloseBtn() { return picture(s_helpCloseBtn, 208); }

fw::Sound* Badee1() { return sound(s_Badee1, 168); }
fw::Sound* Bonus() { return sound(s_Bonus, 169); }
fw::Sound* border() { return sound(s_border, 170); }
fw::Sound* bump2() { return sound(s_bump2, 171); }
fw::Sound* Bye() { return sound(s_Bye, 172); }
fw::Sound* found() { return sound(s_found, 173); }
fw::Sound* Gotcha() { return sound(s_Gotcha, 174); }
fw::Sound* Intro() { return sound(s_Intro, 175); }
fw::Sound* Pop() { return sound(s_Pop, 176); }
fw::Sound* Ring1() { return sound(s_Ring1, 177); }
fw::Sound* RoundEnd() { return sound(s_RoundEnd, 178); }
fw::Sound* TaDa() { return sound(s_TaDa, 179); }

const QString& help_Amaze() { return text(s_help_Amaze, 168); }
const QString& help_Capture1() { return text(s_help_Capture1, 169); }
const QString& help_Find1() { return text(s_help_Find1, 170); }
const QString& help_Start() { return text(s_help_Start, 171); }

const fw::MouseCursor* FingerCurs()
{
    if (!s_FingerCurs.object)
        s_FingerCurs.object = store().getCursor(168);
    return s_FingerCurs.object.get();
}

const std::vector<AssetEntry>& assetTable()
{
    static const std::vector<AssetEntry> table = {
        {AssetKind::Picture, "amazeBox2", 168},
        {AssetKind::Picture, "badee", 169},
        {AssetKind::Picture, "blueCheckBox", 170},
        {AssetKind::Picture, "BrickWall", 171},
        {AssetKind::Picture, "ButtonBkg", 172},
        {AssetKind::Picture, "CBoxNorm", 173},
        {AssetKind::Picture, "QVX_VaneLogoGray", 174},
        {AssetKind::Picture, "boxWithCheck", 175},
        {AssetKind::Picture, "CkBoxMask", 176},
        {AssetKind::Picture, "closeBtn", 177},
        {AssetKind::Picture, "FourX", 178},
        {AssetKind::Picture, "greenLt2", 179},
        {AssetKind::Picture, "GrayBkg", 180},
        {AssetKind::Picture, "helpBkg", 181},
        {AssetKind::Picture, "helpIcon", 184},
        {AssetKind::Picture, "hiScores", 185},
        {AssetKind::Picture, "home2", 186},
        {AssetKind::Picture, "mainTitle", 187},
        {AssetKind::Picture, "NewBox2", 188},
        {AssetKind::Picture, "redLt2", 189},
        {AssetKind::Picture, "Ring", 190},
        {AssetKind::Picture, "TibblyAmz", 192},
        {AssetKind::Picture, "TibblyCap", 193},
        {AssetKind::Picture, "TibblyFind", 194},
        {AssetKind::Picture, "TibblyPanel", 195},
        {AssetKind::Picture, "ThreeX", 196},
        {AssetKind::Picture, "TwoX", 197},
        {AssetKind::Picture, "xbox1", 198},
        {AssetKind::Picture, "xbox2", 199},
        {AssetKind::Picture, "xbox3", 200},
        {AssetKind::Picture, "xbox4", 201},
        {AssetKind::Picture, "xbox5", 202},
        {AssetKind::Picture, "xbox6", 203},
        {AssetKind::Picture, "xbox7", 204},
        {AssetKind::Picture, "xbox8", 205},
        {AssetKind::Picture, "xbox9", 206},
        {AssetKind::Picture, "newbox10", 207},
        {AssetKind::Picture, "helpCloseBtn", 208},
        {AssetKind::Sound, "Badee1", 168},
        {AssetKind::Sound, "Bonus", 169},
        {AssetKind::Sound, "border", 170},
        {AssetKind::Sound, "bump2", 171},
        {AssetKind::Sound, "Bye", 172},
        {AssetKind::Sound, "found", 173},
        {AssetKind::Sound, "Gotcha", 174},
        {AssetKind::Sound, "Intro", 175},
        {AssetKind::Sound, "Pop", 176},
        {AssetKind::Sound, "Ring1", 177},
        {AssetKind::Sound, "RoundEnd", 178},
        {AssetKind::Sound, "TaDa", 179},
        {AssetKind::Text, "help_Amaze", 168},
        {AssetKind::Text, "help_Capture1", 169},
        {AssetKind::Text, "help_Find1", 170},
        {AssetKind::Text, "help_Start", 171},
        {AssetKind::Cursor, "FingerCurs", 168},
    };
    return table;
}

void releaseAssets()
{
    s_amazeBox2.object.reset();
    s_badee.object.reset();
    s_blueCheckBox.object.reset();
    s_BrickWall.object.reset();
    s_ButtonBkg.object.reset();
    s_CBoxNorm.object.reset();
    s_QVX_VaneLogoGray.object.reset();
    s_boxWithCheck.object.reset();
    s_CkBoxMask.object.reset();
    s_closeBtn.object.reset();
    s_FourX.object.reset();
    s_greenLt2.object.reset();
    s_GrayBkg.object.reset();
    s_helpBkg.object.reset();
    s_helpIcon.object.reset();
    s_hiScores.object.reset();
    s_home2.object.reset();
    s_mainTitle.object.reset();
    s_NewBox2.object.reset();
    s_redLt2.object.reset();
    s_Ring.object.reset();
    s_TibblyAmz.object.reset();
    s_TibblyCap.object.reset();
    s_TibblyFind.object.reset();
    s_TibblyPanel.object.reset();
    s_ThreeX.object.reset();
    s_TwoX.object.reset();
    s_xbox1.object.reset();
    s_xbox2.object.reset();
    s_xbox3.object.reset();
    s_xbox4.object.reset();
    s_xbox5.object.reset();
    s_xbox6.object.reset();
    s_xbox7.object.reset();
    s_xbox8.object.reset();
    s_xbox9.object.reset();
    s_newbox10.object.reset();
    s_helpCloseBtn.object.reset();
    s_Badee1.object.reset();
    s_Bonus.object.reset();
    s_border.object.reset();
    s_bump2.object.reset();
    s_Bye.object.reset();
    s_found.object.reset();
    s_Gotcha.object.reset();
    s_Intro.object.reset();
    s_Pop.object.reset();
    s_Ring1.object.reset();
    s_RoundEnd.object.reset();
    s_TaDa.object.reset();
    s_help_Amaze = {};
    s_help_Capture1 = {};
    s_help_Find1 = {};
    s_help_Start = {};
    s_FingerCurs.object.reset();
}

} // namespace tibbly
