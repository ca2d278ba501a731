#include "games/maze/amazeScrn.h"

#include "assets/Assets.h"
#include "framework/ImplicitInstance.h"
#include "framework/Sound.h"
#include "games/board/GamePanel.h"
#include "ui/MenuBar1.h"
#include "windows/HelpIcon.h"
#include "windows/Named.h"
#include "windows/helpScrn.h"
#include "windows/startScrn.h"

namespace tibbly {

namespace {

fw::WindowLayout mazeLayout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("aMAZE Tibbly");
    l.width = 780;
    l.height = 540;
    l.frame = 0;
    l.minimizeButton = true;
    l.maximizeButton = false;
    l.resizable = false;
    l.menuBar = &MenuBar1::instance();
    return l;
}

constexpr int kTickMs = 1000;

const QColor kPanelCaptionColor(0xFF, 0x00, 0x00);

} // namespace

amazeScrn::amazeScrn()
    : fw::Window(mazeLayout()),
      // The panel is made first so that everything placed on it lies above it.
      Canvas1(gamePanel::addPanel(*this, "Canvas1")),
      aBox(*this, QStringLiteral("aBox"), board::kMainCorner, nullptr,
           {.paint = [this](int index, fw::Graphics& g) { aBox_Paint(index, g); }})
{
    QWidget* parent = content();
    InstrTxt =
        add(named(new fw::StaticText(parent, {45, 0, 527, 18}, QString(),
                                     fw::TextStyle{.size = 12, .color = QColor(0x28, 0x2B, 0xFF)}),
                  "InstrTxt"));
    moveCtFld = gamePanel::addCounter(
        *this, "moveCtFld", {642, 126, 100, 40}, [this] { return moveCt; },
        gamePanel::firstCounterTint);
    StaticText1 =
        add(named(new fw::StaticText(
                      parent, {632, 102, 120, 20}, QStringLiteral("Number of Moves"),
                      fw::TextStyle{.color = kPanelCaptionColor, .alignment = fw::kAlignCentre}),
                  "StaticText1"));
    closeCnv = gamePanel::addCloseButton(*this, {617, 440, 150, 30});

    showTimer = new fw::Timer(this, fw::Timer::kOff, kTickMs);
    showTimer->onAction = [this] { showTimer_Action(); };
    startTimer = new fw::Timer(this, fw::Timer::kOnce, kTickMs);
    startTimer->onAction = [this] { startTimer_Action(); };
    breakTimer = new fw::Timer(this, fw::Timer::kOff, kTickMs);
    breakTimer->onAction = [this] { breakTimer_Action(); };

    gridNames = add(named(new fw::PopupMenu(parent, {620, 235, 144, 20}), "gridNames"));
    gridNames->onChange = [this] { gridNames_Change(); };
    // The arrow keys must keep reaching stlFocus: a pop-up that took the focus
    // when the player opened it and then chose nothing would swallow them, and
    // Tibbly would no longer move.
    gridNames->setFocusPolicy(Qt::NoFocus);
    StaticText2 =
        add(named(new fw::StaticText(
                      parent, {620, 206, 144, 20}, QStringLiteral("Select A Grid"),
                      fw::TextStyle{.color = kPanelCaptionColor, .alignment = fw::kAlignCentre}),
                  "StaticText2"));
    helpCnv = gamePanel::addHelpIcon(*this, {676, 488, 32, 32}, helpScrn::kMazePage);

    // Outside the window's 780 pixels, so never seen: it only takes the keys.
    fw::EditFieldOptions keyField;
    keyField.verticalScrollBar = true;
    stlFocus = add(named(new fw::EditField(parent, {814, 115, 80, 22}, keyField), "stlFocus"));
    stlFocus->onKeyDown = [this](const QString& key) { return stlFocus_KeyDown(key); };

    AddMenuHandlers();
}

amazeScrn::~amazeScrn() = default;

amazeScrn* amazeScrn::instance() { return fw::implicitInstance<amazeScrn>(); }

// Window events --------------------------------------------------------------

void amazeScrn::Event_Open()
{
    say(QStringLiteral("Please wait..."));
    aBox.makeRest();
    stlFocus->editor()->setFocus();
}

void amazeScrn::Event_Close()
{
    stopEverything();
    if (!closingForQuit())
        startScrn::instance()->Show();
}

void amazeScrn::stopEverything()
{
    // The window lingers until it is deleted; no intro or break tick, and no
    // game start, may act for it in the meantime, and the intro's and the
    // break's sounds end with it.
    for (fw::Timer* timer : {showTimer.get(), startTimer.get(), breakTimer.get()})
        if (timer)
            timer->setMode(fw::Timer::kOff);
    inProgress = false;
    for (fw::Sound* sound : {RoundEnd(), Badee1(), Pop()})
        if (sound && sound->IsPlaying())
            sound->Stop();
}

// Menus ----------------------------------------------------------------------

void amazeScrn::AddMenuHandlers()
{
    addMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
    addMenuHandler(QStringLiteral("FileNew"), [this] { return _FileNew_Action(); });
    addMenuHandler(QStringLiteral("HelpHelp"), [this] { return _HelpHelp_Action(); });
}

bool amazeScrn::_FileClose_Action()
{
    Close();
    return true;
}

bool amazeScrn::_FileNew_Action()
{
    // The game goes on until the start timer fires a second later.
    startTimer->setMode(fw::Timer::kOnce);
    return true;
}

bool amazeScrn::_HelpHelp_Action()
{
    helpScrn::showPage(helpScrn::kMazePage);
    return true;
}

} // namespace tibbly
