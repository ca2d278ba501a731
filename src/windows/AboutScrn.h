#pragma once

#include "framework/Window.h"

namespace fw {
class Graphics;
class PushButton;
class StaticText;
} // namespace fw

namespace tibbly {

// The About window: the logo, the product's name and version, the rights and
// licence notices, the web address and a Donate button, both opened in the
// browser. Closed with its close box; it keeps and saves nothing.
class AboutScrn : public fw::Window {
public:
    AboutScrn();
    static AboutScrn* instance();

    static inline const QString kProductName = QStringLiteral("Tibbly");

private:
    static fw::WindowLayout Layout();
    void CreateControls();

    void Canvas1_Paint(fw::Graphics& g);
    void StaticText2_Open();
    void donateBtn_Action();
    void donateBtn_MouseEnter();
    void donateBtn_MouseExit();

    fw::StaticText* StaticText2 = nullptr;
    fw::PushButton* donateBtn = nullptr;
};

} // namespace tibbly
