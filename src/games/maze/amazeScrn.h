#pragma once

#include "framework/Canvas.h"
#include "framework/EditField.h"
#include "framework/PopupMenu.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "games/board/BoxBoard.h"
#include "games/maze/GridFile.h"
#include "ui/actionBtn.h"

#include <QPointer>

#include <vector>

namespace fw {
class Graphics;
class Sound;
} // namespace fw

namespace tibbly {

class HelpIcon;

// The state of a maze game under the names its rules use; only the window
// writes it.
struct MazeState {
    // True where a box is a brick wall; written only by grid loading.
    gridFile::Grid boxBlock{};
    // -1 while Tibbly is off the board: from a game start until the intro's end.
    int tibblyPos = -1;
    // The current Badees, in the order they were placed.
    std::vector<int> badeePos;
    int moveCt = 0;
    // The box painted as home: 223 from the intro's first tick until a win.
    int homePos = -1;
    // True only while the arrow keys move Tibbly.
    bool inProgress = false;
    // Ticks of the running intro or break; the two never run together.
    int timerCt = 0;
    bool badeesVisible = false;
    // Set while the program itself selects a row of the grid pop-up.
    bool preventSelection = false;
    // Counted moves from the last break to the next.
    int breakPoint = 0;
    // moveCt at the last break.
    int lastBreak = 0;
};

// The maze game. The player steers Tibbly with the arrow keys from box 0 to
// his home in box 223 through the walls of a grid read from the Grids folder,
// past Badees that are seen only in the intro and in each Badee break, which
// puts them on new boxes every 4 to 12 moves. Three timers pace it: startTimer
// starts a game (a second after the window opens or after New), showTimer
// runs the intro and breakTimer the breaks. The arrow keys reach the game
// through stlFocus, a text field outside the visible window that keeps the
// keyboard focus. Tests read the state through state() and reach the controls
// by name.
class amazeScrn : public fw::Window, private MazeState {
public:
    amazeScrn();
    ~amazeScrn() override;

    // The open maze window, or a new one that starts a game a second later.
    static amazeScrn* instance();

    [[nodiscard]] const MazeState& state() const { return *this; }

protected:
    void Event_Open() override;
    void Event_Close() override;

private:
    // Window, controls and menus (amazeScrn.cpp)
    void AddMenuHandlers();
    bool _FileClose_Action();
    bool _FileNew_Action();
    bool _HelpHelp_Action();
    void stopEverything();

    // Play (amazeScrnPlay.cpp)
    bool stlFocus_KeyDown(const QString& key);
    void hndlKeyPressed(int direction);
    [[nodiscard]] bool checkBlock(int box) const;
    [[nodiscard]] bool checkBadee(int box) const;
    [[nodiscard]] bool isBadeePosition(int box) const;
    [[nodiscard]] bool isTibblyPos(int box) const;
    void moveTibbly(int newBox, int oldBox);
    void checkIfBreakPt();
    void placeBadees();
    void setBreakPt();
    void showBadees();
    void hideBadees();
    void endOfGame(bool won);
    void reinitGame();
    void newGameBegin();
    void startTimer_Action();
    void showTimer_Action();
    void breakTimer_Action();
    void aBox_Paint(int index, fw::Graphics& g);
    void refreshBox(int box);
    void refreshBadees();
    void say(const QString& text);

    // Grids (amazeScrnLoad.cpp)
    void getRandomGrid();
    [[nodiscard]] bool loadSelectedGrid(const QString& name);
    void recreateBoxes(const QByteArray& line);
    void gridNames_Change();

    static void play(fw::Sound* sound);

    // The controls, in the order they are made.
    QPointer<fw::Canvas> Canvas1;
    BoxBoard aBox;
    QPointer<fw::StaticText> InstrTxt;
    QPointer<fw::Canvas> moveCtFld;
    QPointer<fw::StaticText> StaticText1;
    QPointer<actionBtn> closeCnv;
    QPointer<fw::Timer> showTimer;
    QPointer<fw::Timer> startTimer;
    QPointer<fw::Timer> breakTimer;
    QPointer<fw::PopupMenu> gridNames;
    QPointer<fw::StaticText> StaticText2;
    QPointer<HelpIcon> helpCnv;
    QPointer<fw::EditField> stlFocus;

    // The whole file names behind the pop-up's rows, row for row, so that a
    // pick loads the very file that was listed.
    std::vector<QString> gridFiles_;
};

} // namespace tibbly
