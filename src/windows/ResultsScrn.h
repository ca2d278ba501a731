#pragma once

#include "framework/Window.h"

namespace fw {
class EditField;
class Listbox;
class PushButton;
} // namespace fw

namespace tibbly {

// The high-score window: shows the ten best scores and the score a game handed
// over, and lets the player put his name to that score when it beats the tenth.
// The score is taken when the window is made, and again when a finished game
// hands one to the window already open: the score field, the place and the
// entry that Add stores all use that one value until then.
class ResultsScrn : public fw::Window {
public:
    ResultsScrn();
    static ResultsScrn* instance();
    // Shows the table only to be looked at: no score can be entered.
    static void showTableOnly();
    // Shows the window with the score a finished game left in gTotalScore, as
    // if it had just been made, also when it is already open: an earned score
    // is never dropped.
    static void handOver();

    static inline const QString kPrompt = QStringLiteral("Enter your name.");

    // The score this window was made with, held to what a hall entry stores.
    [[nodiscard]] int handedScore() const { return handedScore_; }
    // The place at which the score goes in when it is added.
    [[nodiscard]] int replace() const { return replace_; }

protected:
    void Event_Open() override;

private:
    static fw::WindowLayout Layout();
    void CreateControls();

    void ScFld_Open();
    bool FameBox_SortColumn(int column);
    void FameBox_Open();
    void AddBtn_Action();
    void CloseBtn_Action();
    void NameFld_Open();
    void ClearBtn_Action();

    void takeScore();
    void compareScores();
    void fillFameBox();
    void clearScores();

    int handedScore_ = 0;
    int replace_ = 0;
    bool scoreAdded_ = false;

    fw::EditField* ScFld = nullptr;
    fw::Listbox* FameBox = nullptr;
    fw::PushButton* AddBtn = nullptr;
    fw::PushButton* CloseBtn = nullptr;
    fw::EditField* NameFld = nullptr;
    fw::PushButton* ClearBtn = nullptr;
};

} // namespace tibbly
