#include "AppFixture.h"

#include "framework/Menu.h"
#include "framework/Window.h"
#include "ui/MenuBar1.h"

#include <QAction>
#include <QKeySequence>
#include <QShortcut>

#include <gtest/gtest.h>

using testsupport::AppFixture;
using tibbly::MenuBar1;

namespace {

// A window on the application's bar that serves New, and turns it off while
// a round runs, as the game windows do.
class RoundWindow : public fw::Window {
public:
    RoundWindow() : fw::Window(layout())
    {
        addMenuHandler(QStringLiteral("FileNew"), [this] {
            ++newRounds;
            return true;
        });
    }

    bool roundRunning = true;
    int newRounds = 0;

    QShortcut* shortcutFor(const QKeySequence& keys) const
    {
        for (QShortcut* shortcut : findChildren<QShortcut*>())
            if (shortcut->key() == keys)
                return shortcut;
        return nullptr;
    }

    QAction* actionStartingWith(const QString& caption) const
    {
        for (QAction* action : findChildren<QAction*>())
            if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
                return action;
        return nullptr;
    }

protected:
    void Event_EnableMenuItems() override
    {
        if (roundRunning)
            menuBar()->item(QStringLiteral("FileNew"))->setEnabled(false);
    }

private:
    static fw::WindowLayout layout()
    {
        fw::WindowLayout layout;
        layout.title = QStringLiteral("Round");
        layout.menuBar = &MenuBar1::instance();
        return layout;
    }
};

const QKeySequence kCtrlN(Qt::CTRL | Qt::Key_N);

} // namespace

class MenuCommands : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        window = new RoundWindow();
        window->open();
        settle();
    }

    RoundWindow* window = nullptr;
};

TEST_F(MenuCommands, AnItemRunsOnceForEachCommandByMenuOrByShortcutOnlyWhileEnabled)
{
    QShortcut* shortcut = window->shortcutFor(kCtrlN);
    ASSERT_NE(shortcut, nullptr);
    const QAction* action = window->actionStartingWith(QStringLiteral("New"));
    ASSERT_NE(action, nullptr);
    // The second case also shows that the item turned off during the round
    // enables itself again.
    for (const bool running : {true, false}) {
        SCOPED_TRACE(running ? "during a round" : "between rounds");
        window->roundRunning = running;
        EXPECT_EQ(window->menuCommand(QStringLiteral("FileNew")), !running);
        EXPECT_EQ(window->newRounds, running ? 0 : 1);
        emit shortcut->activated();
        EXPECT_EQ(window->newRounds, running ? 0 : 2);
        EXPECT_EQ(action->isEnabled(), !running);
    }
}

TEST_F(MenuCommands, ChoosingTheMenuEntryRunsTheCommandOnlyWhileEnabled)
{
    QAction* action = window->actionStartingWith(QStringLiteral("New"));
    ASSERT_NE(action, nullptr);
    // The menu entry may still look enabled from before the round started;
    // the command is checked again when chosen.
    action->setEnabled(true);
    action->trigger();
    EXPECT_EQ(window->newRounds, 0);

    window->roundRunning = false;
    window->enableMenuItems();
    action->trigger();
    EXPECT_EQ(window->newRounds, 1);
}

TEST_F(MenuCommands, AnItemTheWindowDoesNotServeOrNotInTheBarDoesNothing)
{
    window->roundRunning = false;
    for (const char* name : {"FileClose", "InfoSeeHighScores", "InfoCreateaGrid", "EditCopy",
                             "HelpHelp", "HelpAbout", "FileSave", ""}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(window->menuCommand(QString::fromLatin1(name)));
    }
    QShortcut* closeKey = window->shortcutFor(QKeySequence(Qt::CTRL | Qt::Key_W));
    ASSERT_NE(closeKey, nullptr);
    emit closeKey->activated();
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(window->newRounds, 0);
}
