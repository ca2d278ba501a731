#pragma once

#include "framework/Canvas.h"

namespace tibbly {

// The help icon of the start window and the game windows: a plain picture
// canvas that shifts by the press offset while held and, on release wherever
// the mouse is, opens the help window on its window's page. Unlike the picture
// buttons it keeps the arrow cursor.
class HelpIcon : public fw::Canvas {
public:
    HelpIcon(QWidget* parent, const fw::Bounds& bounds, int page);

    [[nodiscard]] int page() const { return page_; }

protected:
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;

private:
    int page_;
};

} // namespace tibbly
