#pragma once

#include "framework/StaticText.h"
#include "framework/Window.h"
#include "games/board/BoxBoard.h"
#include "games/maze/GridFile.h"
#include "ui/actionBtn.h"

#include <QPointer>

namespace fw {
class Graphics;
} // namespace fw

namespace tibbly {

// The state of the grid editor under the names its rules use; only the window
// writes it.
struct GridEditorState {
    // True where a box is a brick wall. Boxes 0 and 223 keep whatever a file
    // gave them: the editor never changes them, and they are written back.
    gridFile::Grid boxBlock{};
    // Set by every accepted box click; cleared only by a save that completed,
    // or by "Don't Save" before New or Open.
    bool fileDirty = false;
};

// The grid editor: the player draws a maze on the 16 × 14 board by turning
// boxes into brick walls and back, saves it as a grid file for the maze game,
// opens grid files again and starts afresh. The hero's box and his home are
// fixed. No edit is ever lost without the player's say: the save question
// before New, Open and closing can be cancelled, and a save that is cancelled
// or fails cancels the command that asked for it.
// Tests read the state through state() and reach the controls by name.
class createGrid : public fw::Window, private GridEditorState {
public:
    createGrid();

    // The open editor, or a new one with a clear board.
    static createGrid* instance();

    [[nodiscard]] const GridEditorState& state() const { return *this; }

    // The save question's message, as the tests look for it.
    static inline const QString kSaveQuestion =
        QStringLiteral("Do you want to save changes to your grid before closing?");
    static inline const QString kUnableToSave = QStringLiteral("Unable to save the grid");
    static inline const QString kUnableToOpen = QStringLiteral("Unable to open the grid");

protected:
    void Event_Open() override;
    void Event_Close() override;
    bool Event_CancelClose(bool appQuitting) override;

private:
    enum class SaveAnswer { Save, DontSave, Cancel };

    void AddMenuHandlers();
    bool _FileOpen_Action();
    bool _FileSave_Action();
    bool _FileClose_Action();
    bool _FileNew_Action();

    void aBox_MouseUp(int index);
    void aBox_Paint(int index, fw::Graphics& g) const;
    void drawBoxes();

    // Whether the grid was written.
    bool hndlSave();
    void hndlOpen();
    [[nodiscard]] SaveAnswer askSave() const;
    void reinitGrid();
    void repaintBoxes() const;
    // Asks about unsaved edits before a command that would drop them; true
    // when the command may go on. The edits stay marked unsaved: New and Open
    // give them up, while a close may yet be refused by a quit that another
    // window stops.
    bool mayDropEdits();

    // The controls, in the order they are made.
    BoxBoard aBox;
    QPointer<fw::StaticText> StaticText1;
    QPointer<fw::StaticText> StaticText2;
    QPointer<actionBtn> closeCnv;
};

} // namespace tibbly
