#include "AppFixture.h"

#include "framework/Menu.h"
#include "framework/Window.h"
#include "ui/MenuBar1.h"

#include <QAction>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::AppFixture;
using tibbly::MenuBar1;
using tibbly::MenuBar2;
using Kind = fw::MenuItem::Kind;

namespace {

struct Row {
    const char* name;
    const char* caption;
    const char* shortcut;
    Kind kind;
};

std::string kindName(Kind kind)
{
    switch (kind) {
    case Kind::Menu:
        return "menu";
    case Kind::Item:
        return "item";
    case Kind::Separator:
        return "separator";
    case Kind::Quit:
        return "quit";
    case Kind::About:
        return "about";
    }
    return "?";
}

// One line per menu and item, in bar order: the menu items are indented.
std::string line(bool inMenu, const QString& name, const QString& caption, const QString& shortcut,
                 Kind kind)
{
    return std::string(inMenu ? "  " : "") + name.toStdString() + " \"" + caption.toStdString() +
           "\" [" + shortcut.toStdString() + "] " + kindName(kind);
}

std::vector<std::string> lines(const fw::MenuBar& bar)
{
    std::vector<std::string> out;
    for (const auto& menu : bar.menus()) {
        out.push_back(
            line(false, menu->Name(), menu->Text(), menu->KeyboardShortcut(), menu->kind()));
        for (const auto& item : menu->items())
            out.push_back(
                line(true, item->Name(), item->Text(), item->KeyboardShortcut(), item->kind()));
    }
    return out;
}

std::vector<std::string> lines(const std::vector<Row>& rows)
{
    std::vector<std::string> out;
    for (const Row& row : rows)
        out.push_back(line(row.kind != Kind::Menu, QString::fromUtf8(row.name),
                           QString::fromUtf8(row.caption), QString::fromUtf8(row.shortcut),
                           row.kind));
    return out;
}

const std::vector<Row> kEditMenu = {
    {"EditMenu", "&Edit", "", Kind::Menu},
    {"EditUndo", "&Undo", "Cmd+Z", Kind::Item},
    {"UntitledMenu1", "-", "", Kind::Separator},
    {"EditCut", "Cu&t", "Cmd+X", Kind::Item},
    {"EditCopy", "&Copy", "Cmd+C", Kind::Item},
    {"EditPaste", "&Paste", "Cmd+V", Kind::Item},
    {"EditClear", "&Delete", "", Kind::Item},
    {"UntitledMenu0", "-", "", Kind::Separator},
    {"EditSelectAll", "Select &All", "Cmd+A", Kind::Item},
};

std::vector<Row> join(std::vector<Row> a, const std::vector<Row>& b, std::vector<Row> c = {})
{
    a.insert(a.end(), b.begin(), b.end());
    a.insert(a.end(), c.begin(), c.end());
    return a;
}

bool everyItemEnablesItself(const fw::MenuBar& bar)
{
    for (const auto& menu : bar.menus()) {
        if (!menu->AutoEnable())
            return false;
        for (const auto& item : menu->items())
            if (!item->AutoEnable())
                return false;
    }
    return true;
}

QStringList actionTexts(const fw::Window& window)
{
    QStringList texts;
    for (const QAction* action : window.findChildren<QAction*>())
        texts.append(action->text());
    return texts;
}

// Puts a caption of the shared bar back when a test is done with it.
class CaptionRestorer {
public:
    explicit CaptionRestorer(fw::MenuItem& item) : item_(item), caption_(item.Text()) {}
    ~CaptionRestorer() { item_.setText(caption_); }
    CaptionRestorer(const CaptionRestorer&) = delete;
    CaptionRestorer& operator=(const CaptionRestorer&) = delete;

private:
    fw::MenuItem& item_;
    QString caption_;
};

} // namespace

TEST(MenuBars, ApplicationBarHasFileEditInfoAndHelpMenus)
{
    const std::vector<Row> expected = join(
        {
            {"FileMenu", "&File", "", Kind::Menu},
            {"FileNew", "New", "Cmd+N", Kind::Item},
            {"FileClose", "Close", "Cmd+W", Kind::Item},
            {"FileQuit", "&Quit", "Cmd+Q", Kind::Quit},
        },
        kEditMenu,
        {
            {"InfoMenu", "Info", "", Kind::Menu},
            {"InfoSeeHighScores", "See High Scores", "", Kind::Item},
            {"InfoSound", "Turn Sound Off", "", Kind::Item},
            {"InfoCreateaGrid", "Create a Grid...", "", Kind::Item},
            {"HelpMenu", "Help", "", Kind::Menu},
            {"HelpAbout", "About Tibbly", "", Kind::About},
            // The desktop's help key stands in for the "?" key.
            {"HelpHelp", "&Help", "F1", Kind::Item},
        });
    EXPECT_EQ(lines(MenuBar1::instance()), lines(expected));
    EXPECT_TRUE(everyItemEnablesItself(MenuBar1::instance()));
}

TEST(MenuBars, GridEditorBarHasFileWithOpenAndSaveAndTheSameEditMenu)
{
    const std::vector<Row> expected = join(
        {
            {"FileMenu", "&File", "", Kind::Menu},
            {"FileNew", "New", "Cmd+N", Kind::Item},
            {"FileOpen", "Open", "Cmd+O", Kind::Item},
            {"FileSave", "Save", "Cmd+S", Kind::Item},
            {"FileClose", "Close", "Cmd+W", Kind::Item},
            {"FileQuit", "&Quit", "Cmd+Q", Kind::Quit},
        },
        kEditMenu);
    EXPECT_EQ(lines(MenuBar2::instance()), lines(expected));
    EXPECT_TRUE(everyItemEnablesItself(MenuBar2::instance()));
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

TEST(MenuBars, EachBarIsOneSharedObject)
{
    EXPECT_EQ(&MenuBar1::instance(), &MenuBar1::instance());
    EXPECT_EQ(&MenuBar2::instance(), &MenuBar2::instance());
    EXPECT_NE(static_cast<fw::MenuBar*>(&MenuBar1::instance()),
              static_cast<fw::MenuBar*>(&MenuBar2::instance()));
}

class SharedMenuBar : public AppFixture {};

TEST_F(SharedMenuBar, ACaptionChangedOnceShowsInEveryWindowWithTheBar)
{
    fw::MenuItem* sound = MenuBar1::instance().item(QStringLiteral("InfoSound"));
    ASSERT_NE(sound, nullptr);
    const CaptionRestorer restore(*sound);

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
