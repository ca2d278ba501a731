#include "windows/AboutScrn.h"

#include "app/App.h"
#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/Graphics.h"
#include "framework/ImplicitInstance.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/System.h"
#include "ui/PressOffset.h"
#include "windows/Links.h"
#include "windows/Named.h"
#include "windows/WebLink.h"

namespace tibbly {

namespace {

const QString kRightsNotice =
    QStringLiteral("Copyright \u00A9 the Tibbly developers.\nAll rights reserved.");
const QString kLicence = QStringLiteral(
    "You may play this game and give copies of it to others free of charge. It comes as it "
    "is, without any warranty.");

} // namespace

fw::WindowLayout AboutScrn::Layout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("About ") + kProductName;
    l.width = 400;
    l.height = 320;
    l.minimizeButton = false;
    l.backColor = QColor(0xDD, 0xDD, 0xDD);
    return l;
}

AboutScrn::AboutScrn() : fw::Window(Layout()) { CreateControls(); }

AboutScrn* AboutScrn::instance() { return fw::implicitInstance<AboutScrn>(); }

void AboutScrn::CreateControls()
{
    QWidget* area = content();
    auto* canvas1 = add(named(new fw::Canvas(area, {6, 6, 64, 64}), "Canvas1"));
    canvas1->onPaint = [this](fw::Graphics& g) { Canvas1_Paint(g); };

    add(named(new fw::StaticText(area, {100, 11, 260, 22}, kProductName,
                                 fw::TextStyle{.size = 18,
                                               .color = QColor(0xFF, 0x04, 0xCC),
                                               .alignment = fw::kAlignCentre}),
              "StaticText1"));

    StaticText2 =
        add(named(new fw::StaticText(area, {100, 37, 260, 20}, QString(),
                                     fw::TextStyle{.size = 12, .alignment = fw::kAlignCentre}),
                  "StaticText2"));
    StaticText2->onOpen = [this] { StaticText2_Open(); };

    add(named(new fw::StaticText(
                  area, {100, 74, 260, 27}, kRightsNotice,
                  fw::TextStyle{.size = 10, .alignment = fw::kAlignCentre, .multiline = true}),
              "StaticText3"));
    add(named(
        new fw::StaticText(area, {50, 135, 300, 82}, kLicence, fw::TextStyle{.multiline = true}),
        "StaticText4"));

    add(named(new WebLink(area, {50, 242, 300, 20}, links::kWebPage), "StaticText5"));

    donateBtn = add(named(new fw::PushButton(area, {150, 278, 100, 22}, QStringLiteral("Donate")),
                          "donateBtn"));
    donateBtn->setFocusPolicy(Qt::NoFocus);
    donateBtn->onAction = [this] { donateBtn_Action(); };
    donateBtn->onMouseEnter = [this] { donateBtn_MouseEnter(); };
    donateBtn->onMouseExit = [this] { donateBtn_MouseExit(); };
}

void AboutScrn::Canvas1_Paint(fw::Graphics& g) { g.DrawPicture(QVX_VaneLogoGray(), 0, 0); }

void AboutScrn::StaticText2_Open() { StaticText2->setText(App::instance().LongVersion()); }

void AboutScrn::donateBtn_Action() { fw::ShowURL(links::kDonatePage); }

void AboutScrn::donateBtn_MouseEnter() { pressOffset::showFinger(*this); }

void AboutScrn::donateBtn_MouseExit() { pressOffset::showArrow(*this); }

} // namespace tibbly
