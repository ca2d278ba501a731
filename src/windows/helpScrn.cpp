#include "windows/helpScrn.h"

#include "assets/Assets.h"
#include "framework/EditField.h"
#include "ui/actionBtn.h"
#include "windows/Named.h"

namespace tibbly {

namespace {
QString pageText(int page)
{
    switch (page) {
    case helpScrn::kStartPage:
        return help_Start();
    case helpScrn::kFindPage:
        return help_Find1();
    case helpScrn::kCapturePage:
        return help_Capture1();
    case helpScrn::kMazePage:
        return help_Amaze();
    default:
        return {};
    }
}
} // namespace

fw::WindowLayout helpScrn::Layout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Tibbly Help");
    l.width = 560;
    l.height = 360;
    l.frame = 8;
    l.minimizeButton = false;
    // Shown only by showPage, and only modally.
    l.visible = false;
    return l;
}

helpScrn::helpScrn(int page) : fw::Window(Layout())
{
    setBackdrop(helpBkg());
    CreateControls();
    infoFld->setText(pageText(page));
}

helpScrn* helpScrn::showPage(int page)
{
    auto* window = new helpScrn(page);
    window->open();
    window->ShowModal();
    return window;
}

void helpScrn::CreateControls()
{
    fw::EditFieldOptions options;
    options.multiline = true;
    options.readOnly = true;
    options.verticalScrollBar = true;
    options.backColor = QColor(0xFF, 0xF9, 0xD9);
    infoFld = add(named(new fw::EditField(content(), {30, 40, 500, 260}, options), "infoFld"));

    closeCnv = add(named(new actionBtn(content(), {205, 318, 150, 30}), "closeCnv"));
    closeCnv->setBackdrop(helpCloseBtn());
    closeCnv->onMouseUp = [this](int x, int y) { closeCnv_MouseUp(x, y); };
}

void helpScrn::closeCnv_MouseUp(int, int)
{
    closeCnv->unpress();
    Close();
}

bool helpScrn::Event_KeyDown(const QString& key)
{
    if (key == kReturn || key == kEnter)
        Close();
    return false;
}

} // namespace tibbly
