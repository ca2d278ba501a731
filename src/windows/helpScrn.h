#pragma once

#include "framework/Window.h"

namespace fw {
class EditField;
}

namespace tibbly {

class actionBtn;

// One page of help in a scrolling, read-only field. Unlike the other windows it
// has no single instance: every opening makes a new one, shown modally, and
// nothing of it outlives its closing. Return or Enter closes it; Escape does not.
class helpScrn : public fw::Window {
public:
    // The help pages: the start window and the three games.
    static constexpr int kStartPage = 0;
    static constexpr int kFindPage = 1;
    static constexpr int kCapturePage = 2;
    static constexpr int kMazePage = 3;

    // A page outside 0..3 leaves the field empty.
    explicit helpScrn(int page);

    // Makes a help window with a page and shows it modally; it deletes itself
    // when it closes.
    static helpScrn* showPage(int page);

protected:
    bool Event_KeyDown(const QString& key) override;

private:
    static fw::WindowLayout Layout();
    void CreateControls();
    void closeCnv_MouseUp(int x, int y);

    fw::EditField* infoFld = nullptr;
    actionBtn* closeCnv = nullptr;
};

} // namespace tibbly
