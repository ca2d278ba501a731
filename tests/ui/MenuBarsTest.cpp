#include "AppFixture.h"

#include "framework/Menu.h"
#include "framework/Window.h"
#include "ui/MenuBar1.h"

#include <QAction>
#include <QScopeGuard>

#include <gtest/gtest.h>

using testsupport::AppFixture;
using tibbly::MenuBar1;
using tibbly::MenuBar2;

namespace {

QStringList actionTexts(const fw::Window& window)
{
    QStringList texts;
    for (const QAction* action : window.findChildren<QAction*>())
        texts.append(action->text());
    return texts;
}

} // namespace

// A handler is registered under an item's name and a shortcut runs the first
// item that has it: a name or shortcut used twice in one bar would send a
// command to the wrong handler. The bar is shared, so an item that did not
// enable itself would stay off in every window once one window turned it off.
TEST(MenuBars, EveryItemEnablesItselfAndNoTwoOfABarShareANameOrAShortcut)
{
    for (const fw::MenuBar* bar : {static_cast<const fw::MenuBar*>(&MenuBar1::instance()),
                                   static_cast<const fw::MenuBar*>(&MenuBar2::instance())}) {
        QStringList names;
        QStringList shortcuts;
        for (const auto& menu : bar->menus()) {
            names.append(menu->Name());
            EXPECT_TRUE(menu->AutoEnable()) << menu->Name().toStdString();
            for (const auto& item : menu->items()) {
                names.append(item->Name());
                EXPECT_TRUE(item->AutoEnable()) << item->Name().toStdString();
                if (!item->KeyboardShortcut().isEmpty())
                    shortcuts.append(item->KeyboardShortcut());
            }
        }
        EXPECT_EQ(names.removeDuplicates(), 0) << names.join(u' ').toStdString();
        EXPECT_EQ(shortcuts.removeDuplicates(), 0) << shortcuts.join(u' ').toStdString();
    }
}

TEST(MenuBars, ItemsAreFoundByNameInTheirMenus)
{
    const MenuBar1& bar = MenuBar1::instance();
    ASSERT_NE(bar.Child(QStringLiteral("InfoMenu")), nullptr);
    EXPECT_EQ(bar.Child(QStringLiteral("InfoSound")), nullptr) << "Child finds menus only";
    const fw::MenuItem* sound = bar.item(QStringLiteral("InfoSound"));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Text(), QStringLiteral("Turn Sound Off"));
    EXPECT_EQ(bar.item(QStringLiteral("FileOpen")), nullptr);
    EXPECT_NE(MenuBar2::instance().item(QStringLiteral("FileOpen")), nullptr);
}

class SharedMenuBar : public AppFixture {};

TEST_F(SharedMenuBar, ACaptionChangedOnceShowsInEveryWindowWithTheBar)
{
    fw::MenuItem* sound = MenuBar1::instance().item(QStringLiteral("InfoSound"));
    ASSERT_NE(sound, nullptr);
    // The bar is shared by every test: its caption is put back however the test ends.
    const auto restore = qScopeGuard([sound, caption = sound->Text()] { sound->setText(caption); });

    fw::WindowLayout layout;
    layout.menuBar = &MenuBar1::instance();
    auto* first = new fw::Window(layout);
    auto* second = new fw::Window(layout);
    ASSERT_TRUE(actionTexts(*first).contains(QStringLiteral("Turn Sound Off")));
    ASSERT_TRUE(actionTexts(*second).contains(QStringLiteral("Turn Sound Off")));

    sound->setText(QStringLiteral("Turn Sound On"));

    for (const fw::Window* window : {first, second}) {
        EXPECT_TRUE(actionTexts(*window).contains(QStringLiteral("Turn Sound On")));
        EXPECT_FALSE(actionTexts(*window).contains(QStringLiteral("Turn Sound Off")));
    }
    // A window made after the change shows the changed caption too.
    auto* third = new fw::Window(layout);
    EXPECT_TRUE(actionTexts(*third).contains(QStringLiteral("Turn Sound On")));
}
