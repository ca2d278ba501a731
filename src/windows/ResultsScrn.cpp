#include "windows/ResultsScrn.h"

#include "app/Globals.h"
#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/Dialogs.h"
#include "framework/EditField.h"
#include "framework/ImplicitInstance.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Strings.h"
#include "framework/System.h"
#include "prefs/myPrefs.h"
#include "windows/HallRanking.h"
#include "windows/Named.h"

namespace tibbly {

namespace {

fw::TextStyle textStyle()
{
    fw::TextStyle style;
    style.size = 12;
    return style;
}

fw::EditFieldOptions fieldOptions(bool readOnly, const QString& helpTag)
{
    fw::EditFieldOptions options;
    options.readOnly = readOnly;
    options.helpTag = helpTag;
    options.style = textStyle();
    return options;
}

} // namespace

fw::WindowLayout ResultsScrn::Layout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Results");
    l.width = 520;
    l.height = 320;
    l.frame = 8;
    l.resizable = true;
    l.maximizeButton = true;
    l.backColor = QColor(Qt::white);
    return l;
}

ResultsScrn::ResultsScrn()
    : fw::Window(Layout()), handedScore_(hallRanking::heldScore(Globals::gTotalScore))
{
    CreateControls();
}

ResultsScrn* ResultsScrn::instance() { return fw::implicitInstance<ResultsScrn>(); }

void ResultsScrn::showTableOnly()
{
    // A score of 0 never enters the table.
    Globals::gTotalScore = 0;
    instance()->Show();
}

void ResultsScrn::handOver()
{
    if (ResultsScrn* open = fw::openImplicitInstance<ResultsScrn>())
        open->takeScore();
    instance()->Show();
}

void ResultsScrn::takeScore()
{
    handedScore_ = hallRanking::heldScore(Globals::gTotalScore);
    scoreAdded_ = false;
    ScFld_Open();
    NameFld_Open();
    NameFld->fw::Control::setEnabled(false);
    fillFameBox();
    compareScores();
}

void ResultsScrn::CreateControls()
{
    QWidget* area = content();
    auto* canvas1 = add(named(new fw::Canvas(area, {10, 4, 32, 32}), "Canvas1"));
    canvas1->setBackdrop(TibblyFind());
    auto* canvas2 = add(named(new fw::Canvas(area, {478, 4, 32, 32}), "Canvas2"));
    canvas2->setBackdrop(badee());
    add(named(
        new fw::StaticText(area, {50, 68, 100, 22}, QStringLiteral("Your Score:"), textStyle()),
        "StaticText2"));

    ScFld =
        add(named(new fw::EditField(
                      area, {50, 93, 80, 24},
                      fieldOptions(true, QStringLiteral("This is your score from the last game."))),
                  "ScFld"));
    ScFld->onOpen = [this] { ScFld_Open(); };

    FameBox = add(named(new fw::Listbox(area, {270, 74, 240, 210},
                                        {QStringLiteral("Name"), QStringLiteral("Score")}, {68, 32},
                                        textStyle()),
                        "FameBox"));
    FameBox->setToolTip(QStringLiteral("Shows the list of current high scores."));
    FameBox->setHeadingIndex(-1);
    FameBox->onSortColumn = [this](int column) { return FameBox_SortColumn(column); };
    FameBox->onOpen = [this] { FameBox_Open(); };

    AddBtn = add(named(new fw::PushButton(area, {55, 197, 150, 22},
                                          QStringLiteral("Add me to the list"), textStyle()),
                       "AddBtn"));
    AddBtn->fw::Control::setEnabled(false);
    AddBtn->onAction = [this] { AddBtn_Action(); };

    CloseBtn =
        add(named(new fw::PushButton(area, {95, 251, 75, 22}, QStringLiteral("Close"), textStyle()),
                  "CloseBtn"));
    CloseBtn->onAction = [this] { CloseBtn_Action(); };

    NameFld = add(
        named(new fw::EditField(area, {50, 154, 187, 24},
                                fieldOptions(false, QStringLiteral("Type your name in this box."))),
              "NameFld"));
    NameFld->fw::Control::setEnabled(false);
    NameFld->onOpen = [this] { NameFld_Open(); };

    add(named(
        new fw::StaticText(area, {50, 127, 100, 22}, QStringLiteral("Your Name:"), textStyle()),
        "StaticText4"));

    ClearBtn = add(named(new fw::PushButton(area, {325, 290, 120, 22},
                                            QStringLiteral("Clear All Scores"), textStyle()),
                         "ClearBtn"));
    ClearBtn->onAction = [this] { ClearBtn_Action(); };

    auto* canvas3 = add(named(new fw::Canvas(area, {60, 4, 400, 40}), "Canvas3"));
    canvas3->setBackdrop(hiScores());
}

void ResultsScrn::ScFld_Open() { ScFld->setText(fw::Str(handedScore_)); }

bool ResultsScrn::FameBox_SortColumn(int)
{
    // The table keeps the order of the hall entries; a heading click never sorts it.
    FameBox->setHeadingIndex(-1);
    return true;
}

void ResultsScrn::FameBox_Open() { fillFameBox(); }

void ResultsScrn::NameFld_Open() { NameFld->setText(Globals::gPrefs->getCurPlayer()); }

void ResultsScrn::Event_Open() { compareScores(); }

void ResultsScrn::compareScores()
{
    replace_ = 0;
    const std::optional<int> place = hallRanking::placeFor(Globals::gPrefs->hallInfo, handedScore_);
    if (!place) {
        AddBtn->fw::Control::setEnabled(false);
        AddBtn->setDefault(false);
        CloseBtn->setDefault(true);
        return;
    }
    replace_ = *place;
    AddBtn->fw::Control::setEnabled(true);
    CloseBtn->setDefault(false);
    AddBtn->setDefault(true);
    NameFld->fw::Control::setEnabled(true);
    NameFld->SetFocus();
}

void ResultsScrn::fillFameBox()
{
    FameBox->DeleteAllRows();
    for (const hallRanking::Row& row : hallRanking::rows(Globals::gPrefs->hallInfo)) {
        FameBox->AddRow(row.name);
        FameBox->setCell(FameBox->LastIndex(), 1, row.score);
    }
}

void ResultsScrn::AddBtn_Action()
{
    const QString name = NameFld->Text();
    if (name.isEmpty() || fw::sameText(name, kPrompt)) {
        fw::Beep();
        NameFld->setText(kPrompt);
        // Setting the text leaves the caret at its end; the prompt is selected
        // from its start so that typing replaces it.
        NameFld->SetFocus();
        NameFld->setSelStart(0);
        NameFld->setSelLength(255);
        return;
    }
    myPrefs& prefs = *Globals::gPrefs;
    prefs.hallInfo =
        hallRanking::withEntry(prefs.hallInfo, replace_, hallEntry::make(name, handedScore_));
    fillFameBox();
    scoreAdded_ = true;
    AddBtn->fw::Control::setEnabled(false);
    AddBtn->setDefault(false);
    CloseBtn->setDefault(true);
    prefs.fileDirty = true;
}

void ResultsScrn::ClearBtn_Action()
{
    fw::MessageDialog dialog;
    dialog.Icon = 1;
    dialog.ActionButton.Caption = QStringLiteral("Clear");
    dialog.CancelButton.Visible = true;
    dialog.AlternateActionButton.Visible = false;
    dialog.Message = QStringLiteral("Are you sure you want to clear all of the high scores?");
    dialog.Explanation = QStringLiteral("Click 'Cancel' to leave the scores ");
    if (dialog.ShowModal() == &dialog.ActionButton)
        clearScores();
}

void ResultsScrn::clearScores()
{
    myPrefs& prefs = *Globals::gPrefs;
    prefs.hallInfo = hallRanking::emptyTable();
    fillFameBox();
    prefs.fileDirty = true;
    // A score not yet added was placed in the old table; in the empty one it
    // belongs elsewhere (at the top, if it is above 0).
    if (!scoreAdded_)
        compareScores();
}

void ResultsScrn::CloseBtn_Action()
{
    if (Globals::gPrefs->fileDirty)
        Globals::gPrefs->writePrefFile();
    Close();
}

} // namespace tibbly
