#pragma once

#include "framework/Menu.h"

namespace tibbly {

// The application's menu bar (File, Edit, Info, Help), shared by the start
// window and the game windows: one instance, built on first use, so a caption
// changed in one window shows in all of them.
class MenuBar1 : public fw::MenuBar {
public:
    static MenuBar1& instance();

private:
    MenuBar1();
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
};

// The grid editor's menu bar (File with Open and Save, Edit).
class MenuBar2 : public fw::MenuBar {
public:
    static MenuBar2& instance();

private:
    MenuBar2();
    void Untitled0();
    void Untitled1();
};

// The Edit menu, item for item the same in both bars.
void appendEditMenu(fw::MenuBar& bar);

} // namespace tibbly
