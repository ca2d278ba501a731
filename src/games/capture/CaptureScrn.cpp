#include "games/capture/CaptureScrn.h"

#include "assets/Assets.h"
#include "framework/ImplicitInstance.h"
#include "framework/Menu.h"
#include "games/board/GamePanel.h"
#include "ui/MenuBar1.h"
#include "ui/actionBtn.h"
#include "ui/qvxCheckBox.h"
#include "windows/HelpIcon.h"
#include "windows/Named.h"
#include "windows/ResultsScrn.h"
#include "windows/helpScrn.h"
#include "windows/startScrn.h"

namespace tibbly {

namespace {

// raceTimer periods of the three speeds.
constexpr int kFastMs = 100;
constexpr int kMediumMs = 200;
constexpr int kSlowMs = 400;

fw::WindowLayout captureLayout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Capture Tibbly");
    l.width = 780;
    l.height = 540;
    l.frame = 0;
    l.backColor = QColor(Qt::white);
    l.minimizeButton = true;
    l.maximizeButton = true;
    // Nothing is tied to an edge: a larger window shows more white, and the
    // board and the panel stay where they are.
    l.resizable = true;
    l.menuBar = &MenuBar1::instance();
    return l;
}

} // namespace

CaptureScrn::CaptureScrn()
    : fw::Window(captureLayout()),
      theCBox(*this, QStringLiteral("theCBox"), board::kCaptureCorner, CBoxNorm(),
              {.mouseDown = [this](int index, int, int) { return theCBox_MouseDown(index); }})
{
    QWidget* parent = content();
    movetimer = new fw::Timer(this, fw::Timer::kOff, 1000);
    movetimer->onAction = [this] { movetimer_Action(); };
    // The first round opens half a second after the window is made.
    startTimer = new fw::Timer(this, fw::Timer::kOnce, 500);
    startTimer->onAction = [this] { startTimer_Action(); };

    InstrTxt = add(named(new fw::StaticText(parent, {50, -1, 270, 20}, QString(),
                                            fw::TextStyle{.size = 10, .color = QColor(255, 0, 0)}),
                         "InstrTxt"));
    InstrTxt->onOpen = [this] { InstrTxt_Open(); };

    raceTimer = new fw::Timer(this, fw::Timer::kOff, kMediumMs);
    raceTimer->onAction = [this] { raceTimer_Action(); };
    pauseTimer = new fw::Timer(this, fw::Timer::kOff, 1000);
    pauseTimer->onAction = [this] { pauseTimer_Action(); };

    bkgCnv = gamePanel::addPanel(*this, "bkgCnv");
    StaticText4 = add(named(
        new fw::StaticText(
            parent, {633, 260, 118, 20}, QStringLiteral("Number of Clicks"),
            fw::TextStyle{.size = 12, .color = QColor(255, 0, 0), .alignment = fw::kAlignCentre}),
        "StaticText4"));
    StaticText5 = add(named(
        new fw::StaticText(
            parent, {642, 345, 100, 20}, QStringLiteral("Total Score:"),
            fw::TextStyle{.size = 12, .color = QColor(88, 56, 255), .alignment = fw::kAlignCentre}),
        "StaticText5"));
    totClicksFld = gamePanel::addCounter(
        *this, "totClicksFld", {642, 285, 100, 40}, [this] { return totclicks; },
        gamePanel::firstCounterTint);
    PtsFld = gamePanel::addCounter(
        *this, "PtsFld", {642, 369, 100, 40}, [this] { return curScore; },
        gamePanel::secondCounterTint);
    closeCnv = gamePanel::addCloseButton(*this, {617, 446, 150, 30});

    StaticText6 =
        add(named(new fw::StaticText(parent, {612, 41, 120, 20}, QStringLiteral("Movement Type")),
                  "StaticText6"));
    SingleMove = add(named(new qvxCheckBox(parent, {612, 63, 150, 24}), "SingleMove"));
    SingleMove->onOpen = [this] { SingleMove_Open(); };
    SingleMove->onMouseUp = [this](int, int) { SingleMove_MouseUp(); };
    autoMove = add(named(new qvxCheckBox(parent, {612, 92, 150, 24}), "autoMove"));
    autoMove->onOpen = [this] { autoMove_Open(); };
    autoMove->onMouseUp = [this](int, int) { autoMove_MouseUp(); };

    StaticText7 = add(named(
        new fw::StaticText(parent, {612, 139, 120, 20}, QStringLiteral("Speed")), "StaticText7"));
    speedFast = add(named(new qvxCheckBox(parent, {612, 161, 150, 24}), "speedFast"));
    speedFast->onOpen = [this] { speedFast_Open(); };
    speedFast->onMouseUp = [this](int, int) { speedFast_MouseUp(); };
    speedMedium = add(named(new qvxCheckBox(parent, {612, 191, 150, 24}), "speedMedium"));
    speedMedium->onOpen = [this] { speedMedium_Open(); };
    speedMedium->onMouseUp = [this](int, int) { speedMedium_MouseUp(); };
    speedSlow = add(named(new qvxCheckBox(parent, {612, 221, 150, 24}), "speedSlow"));
    speedSlow->onOpen = [this] { speedSlow_Open(); };
    speedSlow->onMouseUp = [this](int, int) { speedSlow_MouseUp(); };
    // The speeds show only in Auto Move, which a new window does not start in.
    showSpeeds(false);

    helpCnv = gamePanel::addHelpIcon(*this, {671, 488, 32, 32}, helpScrn::kCapturePage);

    introWait = new fw::Timer(this, fw::Timer::kOff, 1000);
    introWait->onAction = [this] { openRound(); };

    AddMenuHandlers();
}

CaptureScrn::~CaptureScrn() = default;

CaptureScrn* CaptureScrn::instance() { return fw::implicitInstance<CaptureScrn>(); }

// Window events --------------------------------------------------------------

void CaptureScrn::Event_Open()
{
    drawCBoxes();
    allowclick = false;
}

void CaptureScrn::Event_Close()
{
    // The window lingers until it is deleted; its timers must not act for it
    // in the meantime.
    stopTimers();
    if (closingForQuit())
        return;
    startScrn::instance()->Show();
}

bool CaptureScrn::Event_CancelClose(bool)
{
    const fw::Sound* intro = Intro();
    return intro && intro->IsPlaying();
}

bool CaptureScrn::Event_KeyDown(const QString& key)
{
    if (key == kReturn || key == kEnter)
        Close();
    return false;
}

void CaptureScrn::Event_EnableMenuItems()
{
    if (fw::MenuItem* item = FileClose())
        item->setEnabled(true);
    if (endOfRound)
        return;
    if (fw::MenuItem* item = FileNew())
        item->setEnabled(false);
    if (fw::MenuItem* item = InfoSeeHighScores())
        item->setEnabled(false);
}

// Instruction line and options -----------------------------------------------

void CaptureScrn::InstrTxt_Open() { InstrTxt->setText(QStringLiteral("Please wait ...")); }

void CaptureScrn::setUpOption(qvxCheckBox* box, const QString& text, bool checked,
                              std::initializer_list<const char*> group)
{
    box->setMyText(text);
    box->setValue(checked);
    box->groupTotal = static_cast<int>(group.size());
    for (const char* name : group)
        box->myGroup.push_back(control<qvxCheckBox>(QString::fromLatin1(name)));
}

void CaptureScrn::SingleMove_Open()
{
    setUpOption(SingleMove, QStringLiteral("Single Move"), true, {"autoMove"});
}

void CaptureScrn::autoMove_Open()
{
    setUpOption(autoMove, QStringLiteral("Auto Move"), false, {"SingleMove"});
}

void CaptureScrn::speedFast_Open()
{
    setUpOption(speedFast, QStringLiteral("Fast"), false, {"speedMedium", "speedSlow"});
}

void CaptureScrn::speedMedium_Open()
{
    setUpOption(speedMedium, QStringLiteral("Medium"), true, {"speedFast", "speedSlow"});
}

void CaptureScrn::speedSlow_Open()
{
    setUpOption(speedSlow, QStringLiteral("Slow"), false, {"speedMedium", "speedFast"});
}

// A change of mode starts and stops nothing: it decides how the next click is
// followed, and a race already running goes on until the capture.
void CaptureScrn::SingleMove_MouseUp()
{
    isRace = false;
    showSpeeds(false);
}

void CaptureScrn::autoMove_MouseUp()
{
    isRace = true;
    showSpeeds(true);
}

// A new period takes effect from the race's next tick.
void CaptureScrn::speedFast_MouseUp() { raceTimer->setPeriod(kFastMs); }
void CaptureScrn::speedMedium_MouseUp() { raceTimer->setPeriod(kMediumMs); }
void CaptureScrn::speedSlow_MouseUp() { raceTimer->setPeriod(kSlowMs); }

void CaptureScrn::showSpeeds(bool visible)
{
    for (qvxCheckBox* box : {speedFast.data(), speedMedium.data(), speedSlow.data()})
        box->fw::Control::setVisible(visible);
}

// Menus ----------------------------------------------------------------------

void CaptureScrn::AddMenuHandlers()
{
    addMenuHandler(QStringLiteral("FileNew"), [this] { return _FileNew_Action(); });
    addMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
    addMenuHandler(QStringLiteral("InfoSeeHighScores"), [this] { return _FileSee_Action(); });
    addMenuHandler(QStringLiteral("HelpHelp"), [this] { return _HelpHelp_Action(); });
}

fw::MenuItem* CaptureScrn::FileNew() const { return menuBar()->item(QStringLiteral("FileNew")); }

fw::MenuItem* CaptureScrn::FileClose() const
{
    return menuBar()->item(QStringLiteral("FileClose"));
}

fw::MenuItem* CaptureScrn::InfoSeeHighScores() const
{
    return menuBar()->item(QStringLiteral("InfoSeeHighScores"));
}

bool CaptureScrn::_FileNew_Action()
{
    // A capture pause still counting would turn the next round's clicks off
    // at its second tick: New ends it.
    pauseTimer->setMode(fw::Timer::kOff);
    timeCt = 0;

    allowclick = false;
    theCBox.setAllPictures(CBoxNorm());
    InstrTxt->setText(QStringLiteral("Please wait ..."));
    endOfRound = false;
    startTimer->setMode(fw::Timer::kOnce);
    return true;
}

bool CaptureScrn::_FileClose_Action()
{
    Close();
    return true;
}

// The round's score never reaches the table, so the table is shown with a
// total of 0.
bool CaptureScrn::_FileSee_Action()
{
    ResultsScrn::showTableOnly();
    return true;
}

bool CaptureScrn::_HelpHelp_Action()
{
    helpScrn::showPage(helpScrn::kCapturePage);
    return true;
}

} // namespace tibbly
