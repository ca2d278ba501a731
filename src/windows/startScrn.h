#pragma once

#include "framework/Window.h"

namespace fw {
class Canvas;
class MenuItem;
class StaticText;
} // namespace fw

namespace tibbly {

class autoFillPop;
class CnvBtn;

// The start window, the hub of the program: the player picks his name from the
// players pop-up, adds a player, and starts a game. It keeps no state of its
// own; all it shows lives in the preferences store, so a start window made
// afresh after a game looks the same as the one that was closed.
class startScrn : public fw::Window {
public:
    startScrn();
    static startScrn* instance();

    static inline const QString kSoundOffCaption = QStringLiteral("Turn Sound Off");
    static inline const QString kSoundOnCaption = QStringLiteral("Turn Sound On");

protected:
    void Event_EnableMenuItems() override;
    void Event_Activate() override;

private:
    static fw::WindowLayout Layout();
    void CreateControls();
    void AddMenuHandlers();
    [[nodiscard]] fw::MenuItem* InfoSound() const;

    void findCnv_MouseUp(int x, int y);
    void findCnv_Open();
    void captureCnv_MouseUp(int x, int y);
    void captureCnv_Open();
    void playersMenu_Change();
    void aMazeCnv_MouseUp(int x, int y);
    void aMazeCnv_Open();

    bool _InfoSound_Action();
    bool _InfoSeeHighScores_Action();
    bool _HelpAbout_Action();
    bool _InfoCreateaGrid_Action();
    bool _HelpHelp_Action();

    CnvBtn* findCnv = nullptr;
    CnvBtn* captureCnv = nullptr;
    autoFillPop* playersMenu = nullptr;
    CnvBtn* aMazeCnv = nullptr;
};

} // namespace tibbly
