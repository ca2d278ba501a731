#include "games/maze/createGrid.h"

#include "assets/Assets.h"
#include "framework/Dialogs.h"
#include "framework/Graphics.h"
#include "framework/ImplicitInstance.h"
#include "framework/System.h"
#include "games/board/GamePanel.h"
#include "ui/FileTypes1.h"
#include "ui/MenuBar1.h"
#include "windows/Named.h"
#include "windows/startScrn.h"

namespace tibbly {

using board::kBoxCount;
using board::kLastBox;

namespace {

fw::WindowLayout editorLayout()
{
    return {.title = QStringLiteral("Create a Grid"),
            .width = 780,
            .height = 540,
            .backColor = QColor(Qt::white),
            .menuBar = &MenuBar2::instance()};
}

// One instruction a line; a label breaks its lines at LF.
const QString kInstructions =
    QStringList{
        QStringLiteral("Use this screen to create grids for the 'aMAZE Tibbly' game."),
        QStringLiteral("-  Click on a square to toggle between 'clear path' and 'brick wall'."),
        QStringLiteral(
            "-  The top left square is reserved for Tibbly and the bottom right for Home."),
        QStringLiteral("-  Be sure to leave Tibbly at least 1 clear path to home."),
        QStringLiteral("-  When you are happy with your grid, choose Save from the File Menu."),
        QStringLiteral(
            "-  Give your grid a name and make sure it is saved to the \"Grids\" folder."),
        QStringLiteral(
            "-  Choose 'New' from the File Menu to create a new grid or click the 'Close "
            "Screen' button to return to the Main Screen."),
    }
        .join(QChar(10));

// The hero's start and his home, which the player may not turn into walls.
bool isFixedBox(int index) { return index == 0 || index == kLastBox; }

} // namespace

createGrid::createGrid()
    : fw::Window(editorLayout()),
      aBox(*this, QStringLiteral("aBox"), board::kMainCorner, nullptr,
           {.mouseDown = [](int, int, int) { return true; },
            .mouseUp = [this](int index, int, int) { aBox_MouseUp(index); },
            .paint = [this](int index, fw::Graphics& g) { aBox_Paint(index, g); }})
{
    QWidget* parent = content();
    StaticText1 = add(named(new fw::StaticText(parent, {592, 30, 184, 363}, kInstructions,
                                               fw::TextStyle{.multiline = true}),
                            "StaticText1"));
    StaticText2 =
        add(named(new fw::StaticText(
                      parent, {592, 0, 184, 20}, QStringLiteral("-- Instructions --"),
                      fw::TextStyle{.color = QColor(255, 6, 235), .alignment = fw::kAlignCentre}),
                  "StaticText2"));
    closeCnv = gamePanel::addCloseButton(*this, {609, 434, 150, 30});
    AddMenuHandlers();
}

createGrid* createGrid::instance() { return fw::implicitInstance<createGrid>(); }

// Window events --------------------------------------------------------------

void createGrid::Event_Open() { drawBoxes(); }

void createGrid::Event_Close()
{
    if (!closingForQuit())
        startScrn::instance()->Show();
}

bool createGrid::Event_CancelClose(bool)
{
    // Refusing the close also refuses the quit that asked for it, so the
    // edits survive a Cancel however the close came about. "Don't Save" leaves
    // the edits marked unsaved: when another window then refuses the quit,
    // this one stays open and still asks before they are dropped.
    return !mayDropEdits();
}

// Menus ----------------------------------------------------------------------

void createGrid::AddMenuHandlers()
{
    addMenuHandler(QStringLiteral("FileOpen"), [this] { return _FileOpen_Action(); });
    addMenuHandler(QStringLiteral("FileSave"), [this] { return _FileSave_Action(); });
    addMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
    addMenuHandler(QStringLiteral("FileNew"), [this] { return _FileNew_Action(); });
}

bool createGrid::_FileOpen_Action()
{
    if (mayDropEdits()) {
        fileDirty = false;
        hndlOpen();
    }
    return true;
}

bool createGrid::_FileSave_Action()
{
    (void)hndlSave();
    return true;
}

bool createGrid::_FileClose_Action()
{
    Close();
    return true;
}

bool createGrid::_FileNew_Action()
{
    if (mayDropEdits()) {
        fileDirty = false;
        reinitGrid();
    }
    return true;
}

// Board ----------------------------------------------------------------------

void createGrid::drawBoxes() { aBox.makeRest(); }

void createGrid::aBox_MouseUp(int index)
{
    if (isFixedBox(index)) {
        fw::Beep();
        return;
    }
    fileDirty = true;
    auto& entry = boxBlock[static_cast<std::size_t>(index)];
    entry = !entry;
    aBox.refresh(index);
}

void createGrid::aBox_Paint(int index, fw::Graphics& g) const
{
    // The hero and his home show whatever their entries hold.
    const fw::Picture* picture = index == 0                                  ? TibblyAmz()
                                 : index == kLastBox                         ? home2()
                                 : boxBlock[static_cast<std::size_t>(index)] ? BrickWall()
                                                                             : amazeBox2();
    g.DrawPicture(picture, 0, 0);
}

void createGrid::reinitGrid()
{
    boxBlock.fill(false);
    repaintBoxes();
}

void createGrid::repaintBoxes() const
{
    if (!aBox.isComplete())
        return;
    for (int index = 0; index < kBoxCount; ++index)
        aBox.refresh(index);
}

// Files ----------------------------------------------------------------------

bool createGrid::mayDropEdits()
{
    if (!fileDirty)
        return true;
    switch (askSave()) {
    case SaveAnswer::Save:
        return hndlSave();
    case SaveAnswer::DontSave:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

createGrid::SaveAnswer createGrid::askSave() const
{
    fw::MessageDialog dialog;
    dialog.Icon = 1;
    dialog.ActionButton.Caption = QStringLiteral("Save");
    dialog.CancelButton.Visible = true;
    dialog.AlternateActionButton.Visible = true;
    dialog.AlternateActionButton.Caption = QStringLiteral("Don't Save");
    dialog.Message = kSaveQuestion;
    dialog.Explanation = QStringLiteral("If you don't save, your changes will be lost. ");
    const fw::MessageDialogButton* pressed = dialog.ShowModal();
    if (pressed == &dialog.ActionButton)
        return SaveAnswer::Save;
    if (pressed == &dialog.AlternateActionButton)
        return SaveAnswer::DontSave;
    return SaveAnswer::Cancel;
}

bool createGrid::hndlSave()
{
    const std::optional<QString> chosen = fw::DialogService::current().saveFile(
        QStringLiteral("Save Grid"), QStringLiteral("Save your created grid"),
        gridFile::dialogFolder(gridFile::gridsFolder()), QStringLiteral("Untitled.txt"),
        FileTypes1::pMazeFile.dialogFilter());
    if (!chosen)
        return false;
    if (!gridFile::save(gridFile::withExtension(*chosen), boxBlock)) {
        fw::MsgBox(kUnableToSave);
        return false;
    }
    fileDirty = false;
    return true;
}

void createGrid::hndlOpen()
{
    // No title of its own: the desktop's open dialog keeps its usual one.
    const std::optional<QString> chosen = fw::DialogService::current().openFile(
        QString(), gridFile::dialogFolder(gridFile::gridsFolder()),
        FileTypes1::pMazeFile.dialogFilter());
    if (!chosen)
        return;
    // Boxes past the file's last field keep what the board shows, so the
    // board is read onto, not cleared first.
    if (!gridFile::isGridFileName(*chosen) || !gridFile::load(*chosen, boxBlock)) {
        fw::MsgBox(kUnableToOpen);
        return;
    }
    repaintBoxes();
}

} // namespace tibbly
