#pragma once

#include "framework/Canvas.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "games/board/BoxBoard.h"
#include "games/find/FindRules.h"
#include "ui/actionBtn.h"

#include <QPointer>

#include <array>
#include <span>

namespace fw {
class Graphics;
class MenuItem;
class Picture;
class Sound;
} // namespace fw

namespace tibbly {

class HelpIcon;

// The state of a find game under the names its rules use; only the window
// writes it.
struct FindState {
    int theRow = 0;
    int theCol = 0;
    int theTarget = 0;
    int selRow = 0;
    int selCol = 0;
    // The box of the intro's last decoy, cleared when the next decoy shows.
    int lastTarget = 0;
    // Ticks of whichever timer runs; each timer start is preceded by zeroing it.
    int timeCt = 0;
    bool allowClick = false;
    int clickCt = 0;
    bool endOfRound = false;
    // Entries 0 to roundCt - 1 are this round's Badees; later entries keep
    // what earlier rounds (or games) left there, and bonus draws avoid them too.
    std::array<int, findRules::kSlots> theBadee{};
    // 0 before the first round, 1 to 10 in play, 11 once ten rounds are over.
    int roundCt = 0;
    bool endOfGame = false;
    std::array<int, findRules::kSlots> theBonus{};
    int myCurScore = 0;
    int myTotScore = 0;
    std::array<const fw::Picture*, 4> dirColor{};
};

// The find game. Tibbly hides under one of the 224 boxes; in each of ten
// rounds the player clicks boxes, each fresh box turning the four direction
// lights green towards him, until he is found, ten clicks are spent or a Badee
// is hit. Two timers pace the rounds: newRoundTimer runs each round's intro
// and the wait before the next round, pauseTimer the pauses after a round and
// after the game, the last of which hands the total to the high-score window.
//
// A box's state is its backdrop picture, compared by identity with the
// registry's pictures; Tibbly's box, the Badees and the bonus boxes look like
// any fresh box and are known by their indexes.
// Tests read the state through state() and reach the controls by name.
class GameScrn : public fw::Window, private FindState {
public:
    GameScrn();
    ~GameScrn() override;

    // The open find window, or a new one that starts a game.
    static GameScrn* instance();

    [[nodiscard]] const FindState& state() const { return *this; }

    // True once the game is over and its closing pause has handed the total
    // to the high-score window: only then may a new game start or the table
    // be shown, so that neither can overtake the hand-over.
    [[nodiscard]] bool isGameOver() const;

protected:
    void Event_Open() override;
    void Event_Close() override;
    bool Event_CancelClose(bool appQuitting) override;
    bool Event_KeyDown(const QString& key) override;
    void Event_EnableMenuItems() override;

private:
    // Window and controls (GameScrn.cpp)
    void AddMenuHandlers();
    [[nodiscard]] fw::MenuItem* FileNew() const;
    [[nodiscard]] fw::MenuItem* InfoSeeHighScores() const;
    bool _FileNew_Action();
    bool _FileClose_Action();
    bool _InfoSeeHighScores_Action();
    bool _HelpHelp_Action();
    void showHelp();

    // Board and click rules (GameScrnRules.cpp)
    void theBox_MouseUp(int index, int x, int y);
    void BadeePict_Paint(int index, fw::Graphics& g);
    void DirLt_Paint(int index, fw::Graphics& g);
    void drawBoxes();
    void selRnd();
    void selBadee(int target);
    void selBonus();
    void hndlClick(int box);
    bool setIndicators(int box, bool isBadee, bool isBonus, int kind);
    void addBonus(int kind, int box);
    [[nodiscard]] bool isBoxClicked(int box) const;
    // This round's Badees: the first roundCt entries of theBadee.
    [[nodiscard]] std::span<const int> roundBadees() const;
    void setAllLightsGreen();
    void showOnBox(int box, const fw::Picture* picture);
    void refreshCurScore();

    // Rounds and timers (GameScrnFlow.cpp)
    void newRoundTimer_Action();
    void pauseTimer_Action();
    void hndlNewRound();
    void hndlRoundEnd();
    void hndlGameEnd();
    void setScore();
    void reinitGame();
    void showRoundIntroTick();
    void handOverScore();

    static void play(fw::Sound* sound);
    static int drawBox();

    // The controls, in the order they are made.
    QPointer<fw::Canvas> Canvas1;
    BoxBoard theBox;
    QPointer<fw::Timer> newRoundTimer;
    QPointer<fw::StaticText> StaticText1;
    QPointer<fw::StaticText> StaticText2;
    QPointer<fw::StaticText> InstrTxt;
    QPointer<fw::Timer> pauseTimer;
    QPointer<fw::StaticText> StaticText3;
    std::array<QPointer<fw::Canvas>, findRules::kSlots> BadeePict;
    QPointer<fw::StaticText> RoundBox;
    QPointer<fw::Canvas> curScFld;
    QPointer<fw::Canvas> totScFld;
    QPointer<actionBtn> closeCnv;
    // Up, down, left, right.
    std::array<QPointer<fw::Canvas>, 4> DirLt;
    QPointer<HelpIcon> helpCnv;
};

} // namespace tibbly
