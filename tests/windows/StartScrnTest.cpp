#include "WindowsTestSupport.h"

#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/EditField.h"
#include "framework/Menu.h"
#include "framework/PushButton.h"
#include "games/capture/CaptureScrn.h"
#include "games/find/GameScrn.h"
#include "games/maze/amazeScrn.h"
#include "ui/CnvBtn.h"
#include "ui/MenuBar1.h"
#include "ui/autoFillPop.h"
#include "windows/ResultsScrn.h"
#include "windows/helpScrn.h"
#include "windows/newPlayerScrn.h"
#include "windows/startScrn.h"

#include <functional>

using namespace tibbly;
using testsupport::AppFixture;
using testsupport::controlOf;

namespace {

class StartWindow : public AppFixture {
protected:
    startScrn& start()
    {
        startScrn* window = startScrn::instance();
        settle();
        return *window;
    }
    autoFillPop& pop() { return controlOf<autoFillPop>(start(), "playersMenu"); }
    QStringList popRows()
    {
        QStringList rows;
        for (int row = 0; row < pop().ListCount(); ++row)
            rows.append(pop().List(row));
        return rows;
    }
    QString soundCaption()
    {
        start().enableMenuItems();
        return MenuBar1::instance().item(QStringLiteral("InfoSound"))->Text();
    }
};

} // namespace

TEST_F(StartWindow, PlayerAddedInTheNewPlayerWindowShowsUpWhenTheStartWindowIsActiveAgain)
{
    prefs().players = {"Ann", "Bob"};
    prefs().curPlayerIndex = 1;
    EXPECT_EQ(popRows(), (QStringList{"Ann", "Bob", "Add New Player..."}));
    pop().choose(2);
    newPlayerScrn* added = newPlayerScrn::instance();
    controlOf<fw::EditField>(*added, "nameFld").setText(QStringLiteral("Cy"));
    added->typeKey(fw::Window::kReturn);
    start().activateWindow();
    settle();
    EXPECT_EQ(popRows(), (QStringList{"Ann", "Bob", "Cy", "Add New Player..."}));
    EXPECT_EQ(pop().ListIndex(), 1) << "the new player is not made current";
}

TEST_F(StartWindow, ChoosingARowSetsTheCurrentPlayerAndMarksTheStoreDirty)
{
    struct Case {
        const char* what;
        int row;
        int current;
        bool dirty;
        bool asksForAName;
    };
    for (const Case& c :
         {Case{"no row", -1, 0, false, false}, Case{"the current player again", 1, 1, true, false},
          Case{"another player", 2, 2, true, false}, Case{"Add New Player...", 3, 1, true, true}}) {
        prefs().players = {"Ann", "Bob", "Cy"};
        prefs().curPlayerIndex = 1;
        prefs().fileDirty = false;
        pop().choose(c.row);
        EXPECT_EQ(prefs().curPlayerIndex, c.current) << c.what;
        EXPECT_EQ(prefs().fileDirty, c.dirty) << c.what;
        EXPECT_EQ(fw::openImplicitInstance<newPlayerScrn>() != nullptr, c.asksForAName) << c.what;
        fw::discardAllWindows();
    }
}

TEST_F(StartWindow, SoundItemSwitchesItsCaptionAndTheChoiceIsSavedAtQuit)
{
    EXPECT_EQ(soundCaption(), QStringLiteral("Turn Sound Off"));
    EXPECT_TRUE(start().menuCommand(QStringLiteral("InfoSound")));
    EXPECT_EQ(soundCaption(), QStringLiteral("Turn Sound On"));
    EXPECT_FALSE(testsupport::storedPrefs().prSndOff);
    app().quit();
    EXPECT_TRUE(testsupport::storedPrefs().prSndOff);
}

TEST_F(StartWindow, SeeHighScoresOnlyShowsTheTable)
{
    Globals::gTotalScore = 4321;
    start().menuCommand(QStringLiteral("InfoSeeHighScores"));
    ResultsScrn* results = fw::openImplicitInstance<ResultsScrn>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(controlOf<fw::EditField>(*results, "ScFld").Text(), QStringLiteral("0"));
    EXPECT_FALSE(controlOf<fw::PushButton>(*results, "AddBtn").isEnabled());
    EXPECT_TRUE(controlOf<fw::PushButton>(*results, "CloseBtn").Default());
    EXPECT_FALSE(start().isClosed());
}

TEST_F(StartWindow, GameButtonReleasedAnywhereOpensItsGameAndClosesTheStartWindow)
{
    struct Case {
        const char* button;
        std::function<bool()> gameIsOpen;
    };
    const Case cases[] = {
        {"findCnv", [] { return fw::openImplicitInstance<GameScrn>() != nullptr; }},
        {"captureCnv", [] { return fw::openImplicitInstance<CaptureScrn>() != nullptr; }},
        {"aMazeCnv", [] { return fw::openImplicitInstance<amazeScrn>() != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        startScrn& window = start();
        auto& button = controlOf<CnvBtn>(window, c.button);
        button.press(5, 5);
        button.release(400, 400);
        EXPECT_TRUE(c.gameIsOpen());
        EXPECT_TRUE(window.isClosed());
        fw::discardAllWindows();
    }
}

TEST_F(StartWindow, HelpIconReleasedAnywhereOpensTheStartPage)
{
    auto& icon = controlOf<fw::Canvas>(start(), "helpCnv");
    icon.press(3, 3);
    EXPECT_EQ(QPoint(icon.Left(), icon.Top()), QPoint(485, 303));
    icon.release(200, -50);
    EXPECT_EQ(QPoint(icon.Left(), icon.Top()), QPoint(483, 301));
    helpScrn* help = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = dynamic_cast<helpScrn*>(widget))
            help = found;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(controlOf<fw::EditField>(*help, "infoFld").Text(), help_Start());
}
