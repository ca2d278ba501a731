#include "windows/startScrn.h"

#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "framework/StaticText.h"
#include "games/capture/CaptureScrn.h"
#include "games/find/GameScrn.h"
#include "games/maze/amazeScrn.h"
#include "games/maze/createGrid.h"
#include "prefs/myPrefs.h"
#include "ui/CnvBtn.h"
#include "ui/MenuBar1.h"
#include "ui/autoFillPop.h"
#include "windows/AboutScrn.h"
#include "windows/HelpIcon.h"
#include "windows/Links.h"
#include "windows/Named.h"
#include "windows/ResultsScrn.h"
#include "windows/WebLink.h"
#include "windows/helpScrn.h"
#include "windows/newPlayerScrn.h"

namespace tibbly {

namespace {

const QString kMakerNotice =
    QStringLiteral("Tibbly, a puzzle game for children, by the Tibbly developers");
const QColor kButtonTitleColor(0xF0, 0xF0, 0xF0);
constexpr int kButtonTextSize = 14;

} // namespace

fw::WindowLayout startScrn::Layout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Starting Screen");
    l.width = 560;
    l.height = 360;
    l.backColor = QColor(Qt::white);
    l.menuBar = &MenuBar1::instance();
    return l;
}

startScrn::startScrn() : fw::Window(Layout())
{
    CreateControls();
    AddMenuHandlers();
}

startScrn* startScrn::instance() { return fw::implicitInstance<startScrn>(); }

void startScrn::CreateControls()
{
    QWidget* area = content();
    auto* title = add(named(new fw::Canvas(area, {50, 8, 460, 40}), "TitleCnv"));
    title->setBackdrop(mainTitle());

    findCnv = add(named(new CnvBtn(area, {345, 100, 150, 36}), "findCnv"));
    findCnv->onOpen = [this] { findCnv_Open(); };
    findCnv->onMouseUp = [this](int x, int y) { findCnv_MouseUp(x, y); };

    captureCnv = add(named(new CnvBtn(area, {345, 150, 150, 36}), "captureCnv"));
    captureCnv->onOpen = [this] { captureCnv_Open(); };
    captureCnv->onMouseUp = [this](int x, int y) { captureCnv_MouseUp(x, y); };

    add(named(new fw::StaticText(area, {45, 58, 190, 20}, QStringLiteral("#1 - Select Player"),
                                 fw::TextStyle{.alignment = fw::kAlignCentre}),
              "StaticText1"));
    add(named(new fw::StaticText(area, {325, 58, 190, 20},
                                 QStringLiteral("#2 - Select Game to Begin"), fw::TextStyle{}),
              "StaticText2"));

    playersMenu = add(named(new autoFillPop(area, {45, 100, 190, 20}), "playersMenu"));
    playersMenu->onChange = [this] { playersMenu_Change(); };

    auto* canvas1 = add(named(new fw::Canvas(area, {16, 18, 32, 32}), "Canvas1"));
    canvas1->setBackdrop(TibblyFind());
    auto* canvas2 = add(named(new fw::Canvas(area, {512, 18, 32, 32}), "Canvas2"));
    canvas2->setBackdrop(badee());

    add(named(new fw::StaticText(area, {50, 271, 460, 20}, kMakerNotice,
                                 fw::TextStyle{.alignment = fw::kAlignCentre}),
              "StaticText3"));
    add(named(new fw::StaticText(area, {100, 301, 360, 16},
                                 QStringLiteral("please visit our web site:"),
                                 fw::TextStyle{.size = 10, .alignment = fw::kAlignCentre}),
              "StaticText4"));

    add(named(new WebLink(area, {100, 317, 360, 20}, links::kWebPage), "StaticText5"));

    aMazeCnv = add(named(new CnvBtn(area, {345, 200, 150, 36}), "aMazeCnv"));
    aMazeCnv->onOpen = [this] { aMazeCnv_Open(); };
    aMazeCnv->onMouseUp = [this](int x, int y) { aMazeCnv_MouseUp(x, y); };

    add(new HelpIcon(area, {483, 301, 32, 32}, helpScrn::kStartPage));
}

void startScrn::AddMenuHandlers()
{
    addMenuHandler(QStringLiteral("InfoSound"), [this] { return _InfoSound_Action(); });
    addMenuHandler(QStringLiteral("InfoSeeHighScores"),
                   [this] { return _InfoSeeHighScores_Action(); });
    addMenuHandler(QStringLiteral("HelpAbout"), [this] { return _HelpAbout_Action(); });
    addMenuHandler(QStringLiteral("InfoCreateaGrid"), [this] { return _InfoCreateaGrid_Action(); });
    addMenuHandler(QStringLiteral("HelpHelp"), [this] { return _HelpHelp_Action(); });
}

fw::MenuItem* startScrn::InfoSound() const { return menuBar()->item(QStringLiteral("InfoSound")); }

// Game buttons ---------------------------------------------------------------

void startScrn::findCnv_Open()
{
    findCnv->setParams(QStringLiteral("Find Tibbly"), ButtonBkg(), kButtonTitleColor,
                       kButtonTextSize);
}

void startScrn::captureCnv_Open()
{
    captureCnv->setParams(QStringLiteral("Capture Tibbly"), ButtonBkg(), kButtonTitleColor,
                          kButtonTextSize);
}

void startScrn::aMazeCnv_Open()
{
    aMazeCnv->setParams(QStringLiteral("aMAZE Tibbly"), ButtonBkg(), kButtonTitleColor,
                        kButtonTextSize);
}

void startScrn::findCnv_MouseUp(int, int)
{
    findCnv->unpress();
    GameScrn::instance()->Show();
    Close();
}

void startScrn::captureCnv_MouseUp(int, int)
{
    captureCnv->unpress();
    CaptureScrn::instance()->Show();
    Close();
}

void startScrn::aMazeCnv_MouseUp(int, int)
{
    aMazeCnv->unpress();
    amazeScrn::instance()->Show();
    Close();
}

// Players --------------------------------------------------------------------

void startScrn::playersMenu_Change()
{
    myPrefs& prefs = *Globals::gPrefs;
    const int row = playersMenu->ListIndex();
    if (row == -1) {
        prefs.curPlayerIndex = 0;
        return;
    }
    if (row == playersMenu->ListCount() - 1)
        newPlayerScrn::instance()->Show();
    else
        prefs.curPlayerIndex = row;
    prefs.fileDirty = true;
}

void startScrn::Event_Activate()
{
    // A player added in the new-player window shows up here when it closes.
    playersMenu->fillMe();
}

// Menus ----------------------------------------------------------------------

void startScrn::Event_EnableMenuItems()
{
    InfoSound()->setText(Globals::gPrefs->prSndOff ? kSoundOnCaption : kSoundOffCaption);
}

bool startScrn::_InfoSound_Action()
{
    myPrefs& prefs = *Globals::gPrefs;
    prefs.prSndOff = !prefs.prSndOff;
    prefs.fileDirty = true;
    return true;
}

bool startScrn::_InfoSeeHighScores_Action()
{
    ResultsScrn::showTableOnly();
    return true;
}

bool startScrn::_HelpAbout_Action()
{
    AboutScrn::instance()->Show();
    return true;
}

bool startScrn::_InfoCreateaGrid_Action()
{
    createGrid::instance()->Show();
    return true;
}

bool startScrn::_HelpHelp_Action()
{
    helpScrn::showPage(helpScrn::kStartPage);
    return true;
}

} // namespace tibbly
