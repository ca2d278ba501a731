#include "windows/newPlayerScrn.h"

#include "app/Globals.h"
#include "framework/EditField.h"
#include "framework/Files.h"
#include "framework/ImplicitInstance.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/System.h"
#include "prefs/myPrefs.h"
#include "windows/Named.h"

namespace tibbly {

namespace {
// A player's name is stored behind a one-byte length.
constexpr int kMaxNameBytes = 255;
} // namespace

fw::WindowLayout newPlayerScrn::Layout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("New Player");
    l.width = 300;
    l.height = 163;
    l.frame = 8;
    return l;
}

newPlayerScrn::newPlayerScrn() : fw::Window(Layout()) { CreateControls(); }

newPlayerScrn* newPlayerScrn::instance() { return fw::implicitInstance<newPlayerScrn>(); }

void newPlayerScrn::CreateControls()
{
    QWidget* area = content();
    fw::TextStyle heading;
    heading.alignment = 1;
    heading.color = QColor(0xFF, 0x00, 0xFF);
    add(named(new fw::StaticText(area, {20, 20, 260, 20}, QStringLiteral("Add A New Player's Name"),
                                 heading),
              "StaticText1"));

    nameFld = add(named(new fw::EditField(area, {40, 54, 220, 22}), "nameFld"));

    acceptBtn = add(
        named(new fw::PushButton(area, {180, 118, 80, 20}, QStringLiteral("Accept")), "acceptBtn"));
    acceptBtn->setDefault(true);
    acceptBtn->onOpen = [this] { acceptBtn_Open(); };
    acceptBtn->onAction = [this] { acceptBtn_Action(); };

    cancelBtn = add(
        named(new fw::PushButton(area, {72, 118, 80, 20}, QStringLiteral("Cancel")), "cancelBtn"));
    cancelBtn->setCancel(true);
    cancelBtn->onOpen = [this] { cancelBtn_Open(); };
    cancelBtn->onAction = [this] { cancelBtn_Action(); };

    nameFld->SetFocus();
}

void newPlayerScrn::acceptBtn_Open() { acceptBtn->setLeft(180); }

void newPlayerScrn::cancelBtn_Open() { cancelBtn->setLeft(72); }

void newPlayerScrn::acceptBtn_Action()
{
    const QString typed = nameFld->Text();
    if (typed.isEmpty()) {
        fw::Beep();
        return;
    }
    // The name is kept as the file will give it back, so that the list shown
    // now and the list read at the next start are the same.
    Globals::gPrefs->addName(QString::fromUtf8(fw::utf8Prefix(typed, kMaxNameBytes)));
    Close();
}

void newPlayerScrn::cancelBtn_Action() { Close(); }

} // namespace tibbly
