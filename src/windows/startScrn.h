#pragma once

#include "framework/Window.h"

namespace tibbly {

// The start window: the hub from which the player picks his name and starts a game.
class startScrn : public fw::Window {
public:
    startScrn();
    static startScrn* instance();
};

} // namespace tibbly
