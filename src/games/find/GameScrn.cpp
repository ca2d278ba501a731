#include "games/find/GameScrn.h"

#include "app/App.h"
#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Graphics.h"
#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "games/board/GamePanel.h"
#include "prefs/myPrefs.h"
#include "ui/MenuBar1.h"
#include "windows/HelpIcon.h"
#include "windows/Named.h"
#include "windows/ResultsScrn.h"
#include "windows/helpScrn.h"
#include "windows/startScrn.h"

namespace tibbly {

using namespace findRules;

namespace {

fw::WindowLayout gameLayout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Find Tibbly");
    l.width = 784;
    l.height = 545;
    l.frame = 0;
    l.backColor = QColor(Qt::white);
    l.minimizeButton = true;
    l.maximizeButton = false;
    l.resizable = false;
    l.menuBar = &MenuBar1::instance();
    return l;
}

} // namespace

GameScrn::GameScrn()
    : fw::Window(gameLayout()),
      // The panel is made first so that everything placed on it lies above it.
      Canvas1(gamePanel::addPanel(*this, "Canvas1")),
      theBox(*this, QStringLiteral("theBox"), board::kMainCorner, NewBox2(),
             {.mouseDown = [](int, int, int) { return true; },
              .mouseUp = [this](int index, int x, int y) { theBox_MouseUp(index, x, y); }})
{
    QWidget* parent = content();
    newRoundTimer = new fw::Timer(this, fw::Timer::kRepeating, 700);
    newRoundTimer->onAction = [this] { newRoundTimer_Action(); };

    StaticText1 = add(named(
        new fw::StaticText(
            parent, {638, 181, 108, 20}, QStringLiteral("Points Available:"),
            fw::TextStyle{.size = 12, .color = QColor(255, 0, 0), .alignment = fw::kAlignCentre}),
        "StaticText1"));
    StaticText2 = add(named(
        new fw::StaticText(
            parent, {642, 282, 100, 20}, QStringLiteral("Total Score:"),
            fw::TextStyle{.size = 12, .color = QColor(88, 56, 255), .alignment = fw::kAlignCentre}),
        "StaticText2"));
    InstrTxt =
        add(named(new fw::StaticText(parent, {50, 0, 517, 18}, QStringLiteral("Please Wait!!!"),
                                     fw::TextStyle{.size = 12, .color = QColor(40, 43, 255)}),
                  "InstrTxt"));

    pauseTimer = new fw::Timer(this, fw::Timer::kOff, 1000);
    pauseTimer->onAction = [this] { pauseTimer_Action(); };

    StaticText3 = add(named(
        new fw::StaticText(parent, {608, 80, 164, 16}, QStringLiteral("-- Badee Count --"),
                           fw::TextStyle{.size = 9, .bold = true, .alignment = fw::kAlignCentre}),
        "StaticText3"));

    constexpr std::array<int, 5> indicatorLefts{646, 664, 682, 700, 718};
    for (int i = 0; i < kSlots; ++i) {
        const int left = indicatorLefts[static_cast<std::size_t>(i % 5)];
        const int top = i < 5 ? 100 : 122;
        auto* indicator = add(named(new fw::Canvas(parent, {left, top, 16, 16}), "BadeePict", i));
        indicator->onPaint = [this, i](fw::Graphics& g) { BadeePict_Paint(i, g); };
        BadeePict[static_cast<std::size_t>(i)] = indicator;
    }

    RoundBox = add(named(new fw::StaticText(parent, {608, 40, 164, 20}, QString(),
                                            fw::TextStyle{.alignment = fw::kAlignCentre}),
                         "RoundBox"));

    curScFld = gamePanel::addCounter(
        *this, "curScFld", {642, 206, 100, 40}, [this] { return myCurScore; },
        gamePanel::firstCounterTint);
    totScFld = gamePanel::addCounter(
        *this, "totScFld", {642, 306, 100, 40}, [this] { return myTotScore; },
        gamePanel::secondCounterTint);

    closeCnv = gamePanel::addCloseButton(*this, {617, 406, 150, 30});

    constexpr std::array<fw::Bounds, 4> lightBounds{{
        {293, 21, 24, 24},  // above the board
        {293, 498, 24, 24}, // below it
        {12, 250, 24, 24},  // left of it
        {569, 250, 24, 24}, // right of it
    }};
    for (int i = 0; i < 4; ++i) {
        auto* light = add(
            named(new fw::Canvas(parent, lightBounds[static_cast<std::size_t>(i)]), "DirLt", i));
        light->onPaint = [this, i](fw::Graphics& g) { DirLt_Paint(i, g); };
        DirLt[static_cast<std::size_t>(i)] = light;
    }

    helpCnv = gamePanel::addHelpIcon(*this, {676, 477, 32, 32}, helpScrn::kFindPage);

    AddMenuHandlers();
}

GameScrn::~GameScrn() = default;

GameScrn* GameScrn::instance() { return fw::implicitInstance<GameScrn>(); }

bool GameScrn::isGameOver() const
{
    return endOfGame && pauseTimer && pauseTimer->Mode() == fw::Timer::kOff;
}

// Window events --------------------------------------------------------------

void GameScrn::Event_Open()
{
    drawBoxes();
    hndlNewRound();
}

void GameScrn::Event_Close()
{
    // A score whose game-over pause had not yet run out is handed over now:
    // closing the window must not cost the player his place in the table.
    const bool scorePending = endOfGame && pauseTimer && pauseTimer->Mode() != fw::Timer::kOff;
    // The window lingers until it is deleted; its timers must not act for it
    // in the meantime.
    if (newRoundTimer)
        newRoundTimer->setMode(fw::Timer::kOff);
    if (pauseTimer)
        pauseTimer->setMode(fw::Timer::kOff);
    if (closingForQuit())
        return;
    startScrn::instance()->Show();
    if (scorePending)
        handOverScore();
}

bool GameScrn::Event_CancelClose(bool)
{
    const fw::Sound* intro = Intro();
    return intro && intro->IsPlaying();
}

bool GameScrn::Event_KeyDown(const QString& key)
{
    if (key == kReturn || key == kEnter)
        Close();
    return false;
}

void GameScrn::Event_EnableMenuItems()
{
    if (isGameOver())
        return;
    if (fw::MenuItem* item = FileNew())
        item->setEnabled(false);
    if (fw::MenuItem* item = InfoSeeHighScores())
        item->setEnabled(false);
}

// Menus ----------------------------------------------------------------------

void GameScrn::AddMenuHandlers()
{
    addMenuHandler(QStringLiteral("FileNew"), [this] { return _FileNew_Action(); });
    addMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
    addMenuHandler(QStringLiteral("InfoSeeHighScores"),
                   [this] { return _InfoSeeHighScores_Action(); });
    addMenuHandler(QStringLiteral("HelpHelp"), [this] { return _HelpHelp_Action(); });
}

fw::MenuItem* GameScrn::FileNew() const { return menuBar()->item(QStringLiteral("FileNew")); }

fw::MenuItem* GameScrn::InfoSeeHighScores() const
{
    return menuBar()->item(QStringLiteral("InfoSeeHighScores"));
}

bool GameScrn::_FileNew_Action()
{
    reinitGame();
    hndlNewRound();
    return true;
}

bool GameScrn::_FileClose_Action()
{
    Close();
    return true;
}

bool GameScrn::_InfoSeeHighScores_Action()
{
    ResultsScrn::showTableOnly();
    return true;
}

bool GameScrn::_HelpHelp_Action()
{
    showHelp();
    return true;
}

void GameScrn::showHelp() { helpScrn::showPage(helpScrn::kFindPage); }

// Shared helpers -------------------------------------------------------------

void GameScrn::play(fw::Sound* sound) { Globals::gPrefs->playSnd(sound); }

int GameScrn::drawBox() { return App::instance().r->InRange(0, kLastBox); }

} // namespace tibbly
