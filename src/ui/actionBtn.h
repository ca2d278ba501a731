#pragma once

#include "framework/Canvas.h"

namespace tibbly {

// A picture button: its picture is its backdrop. Pressing shifts it 2 pixels
// right and down (the press offset); the hosting window's MouseUp handler moves
// it back and acts, wherever the mouse was released.
class actionBtn : public fw::Canvas {
public:
    explicit actionBtn(QWidget* parent, const fw::Bounds& bounds = {});

    // Undoes the press offset; the host calls it first in its MouseUp handler.
    void unpress();

protected:
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseEnter() override;
    void Event_MouseExit() override;
};

} // namespace tibbly
