#pragma once

#include "framework/Canvas.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "games/board/BoxBoard.h"
#include "games/capture/CaptureRules.h"

#include <QPointer>

namespace fw {
class MenuItem;
class Sound;
} // namespace fw

namespace tibbly {

class actionBtn;
class HelpIcon;
class qvxCheckBox;

// The state of a capture round under the names its rules use; only the window
// writes it.
struct CaptureState {
    // The direction code of the step being tried.
    int moveDir = 0;
    int curPos = 0;
    // From the capture until New.
    bool endOfRound = false;
    int totclicks = 0;
    // Auto Move is selected.
    bool isRace = false;
    // The round's last clicked box, or kNoBox before its first click.
    int isBlocked = captureRules::kNoBox;
    bool allowclick = false;
    // The round's rings; an entry whose ring Tibbly took is kNoBox.
    captureRules::Rings bonusBlock{};
    int curScore = 0;
    // Ticks of the capture pause.
    int timeCt = 0;
};

// The capture game. Tibbly stands on one of the 224 boxes and steps at random;
// the player clicks boxes to wall him in. In Single Move each wall is answered
// by one step a second later; in Auto Move the round's first wall starts a
// race of one step per tick. Tibbly is captured when a move finds no step left,
// and the round scores his rings and a bonus for few clicks. Four timers pace
// it: startTimer opens a round, movetimer makes the single move, raceTimer
// runs the race and pauseTimer the pause after the capture.
//
// A box's state is its backdrop picture, compared by identity with the
// registry's pictures; the rings and Tibbly's box are also known by index.
// Tests read the state through state() and reach the controls by name.
class CaptureScrn : public fw::Window, private CaptureState {
public:
    CaptureScrn();
    ~CaptureScrn() override;

    // The open capture window, or a new one that starts a round.
    static CaptureScrn* instance();

    [[nodiscard]] const CaptureState& state() const { return *this; }

protected:
    void Event_Open() override;
    void Event_Close() override;
    bool Event_CancelClose(bool appQuitting) override;
    bool Event_KeyDown(const QString& key) override;
    void Event_EnableMenuItems() override;

private:
    // Window, options and menus (CaptureScrn.cpp)
    void InstrTxt_Open();
    void SingleMove_Open();
    void SingleMove_MouseUp();
    void autoMove_Open();
    void autoMove_MouseUp();
    void speedFast_Open();
    void speedFast_MouseUp();
    void speedMedium_Open();
    void speedMedium_MouseUp();
    void speedSlow_Open();
    void speedSlow_MouseUp();
    void setUpOption(qvxCheckBox* box, const QString& text, bool checked,
                     std::initializer_list<const char*> group);
    void showSpeeds(bool visible);
    void AddMenuHandlers();
    [[nodiscard]] fw::MenuItem* FileNew() const;
    [[nodiscard]] fw::MenuItem* FileClose() const;
    [[nodiscard]] fw::MenuItem* InfoSeeHighScores() const;
    bool _FileNew_Action();
    bool _FileClose_Action();
    bool _FileSee_Action();
    bool _HelpHelp_Action();

    // Board, moves and scoring (CaptureScrnRules.cpp)
    bool theCBox_MouseDown(int index);
    void drawCBoxes();
    void moveTibbly();
    bool tryMove(int dir);
    void capture();
    bool checkIfBonus(int box);
    void selBonus();
    void checkClickBonus();
    [[nodiscard]] bool isWall(int box) const;

    // Rounds and timers (CaptureScrnFlow.cpp)
    void newRound();
    void openRound();
    void startTimer_Action();
    void movetimer_Action();
    void raceTimer_Action();
    void pauseTimer_Action();
    void stopTimers();

    static void play(fw::Sound* sound);

    // The controls, in the order they are made.
    BoxBoard theCBox;
    QPointer<fw::Timer> movetimer;
    QPointer<fw::Timer> startTimer;
    QPointer<fw::StaticText> InstrTxt;
    QPointer<fw::Timer> raceTimer;
    QPointer<fw::Timer> pauseTimer;
    QPointer<fw::Canvas> bkgCnv;
    QPointer<fw::StaticText> StaticText4;
    QPointer<fw::StaticText> StaticText5;
    QPointer<fw::Canvas> totClicksFld;
    QPointer<fw::Canvas> PtsFld;
    QPointer<actionBtn> closeCnv;
    QPointer<fw::StaticText> StaticText6;
    QPointer<qvxCheckBox> SingleMove;
    QPointer<qvxCheckBox> autoMove;
    QPointer<fw::StaticText> StaticText7;
    QPointer<qvxCheckBox> speedFast;
    QPointer<qvxCheckBox> speedMedium;
    QPointer<qvxCheckBox> speedSlow;
    QPointer<HelpIcon> helpCnv;

    // Opens the round once the intro has had its length: the round waits for
    // the sound on the clock, so nothing spins while it plays.
    QPointer<fw::Timer> introWait;
    // Tibbly's start box, drawn before the intro and placed after it.
    int startBox_ = 0;
};

} // namespace tibbly
