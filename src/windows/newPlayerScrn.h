#pragma once

#include "framework/Window.h"

namespace fw {
class EditField;
class PushButton;
} // namespace fw

namespace tibbly {

// Asks for a new player's name and adds it to the players, saving at once. The
// new player is not made current: the start window's pop-up shows him the next
// time it is refilled.
class newPlayerScrn : public fw::Window {
public:
    newPlayerScrn();
    static newPlayerScrn* instance();

private:
    static fw::WindowLayout Layout();
    void CreateControls();

    void acceptBtn_Open();
    void acceptBtn_Action();
    void cancelBtn_Open();
    void cancelBtn_Action();

    fw::EditField* nameFld = nullptr;
    fw::PushButton* acceptBtn = nullptr;
    fw::PushButton* cancelBtn = nullptr;
};

} // namespace tibbly
