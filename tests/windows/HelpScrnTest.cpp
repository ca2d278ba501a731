#include "WindowsTestSupport.h"

#include "assets/Assets.h"
#include "framework/EditField.h"
#include "ui/actionBtn.h"
#include "windows/helpScrn.h"

#include <QPointer>

using namespace tibbly;
using testsupport::AppFixture;
using testsupport::controlOf;

namespace {
class HelpWindow : public AppFixture {};
} // namespace

TEST_F(HelpWindow, EachPageShowsItsTextModallyAndAnyOtherPageNothing)
{
    for (const auto& [page, text] : std::vector<std::pair<int, QString>>{{0, help_Start()},
                                                                         {1, help_Find1()},
                                                                         {2, help_Capture1()},
                                                                         {3, help_Amaze()},
                                                                         {7, QString()},
                                                                         {-1, QString()}}) {
        helpScrn* help = helpScrn::showPage(page);
        const auto& field = controlOf<fw::EditField>(*help, "infoFld");
        EXPECT_EQ(field.Text(), text) << page;
        EXPECT_TRUE(field.ReadOnly()) << page;
        EXPECT_EQ(help->windowModality(), Qt::ApplicationModal) << page;
        help->Close();
    }
}

TEST_F(HelpWindow, FindHelpNamesTheBonusesAsTheirPicturesShowThem)
{
    EXPECT_TRUE(help_Find1().contains(QStringLiteral("×2, ×3 or ×4")));
    EXPECT_FALSE(help_Find1().contains(QStringLiteral("2X")));
}

TEST_F(HelpWindow, ReturnAndEnterCloseItAndOtherKeysDoNot)
{
    for (const auto& [key, closes] :
         std::vector<std::pair<QString, bool>>{{fw::Window::kReturn, true},
                                               {fw::Window::kEnter, true},
                                               {fw::Window::kEscape, false},
                                               {QStringLiteral("a"), false}}) {
        helpScrn* help = helpScrn::showPage(helpScrn::kStartPage);
        help->typeKey(key);
        EXPECT_EQ(help->isClosed(), closes) << int(key.at(0).unicode());
        fw::discardAllWindows();
    }
}

TEST_F(HelpWindow, CloseButtonReleasedOutsideStillClosesItAndNothingOfItRemains)
{
    QPointer<helpScrn> help = helpScrn::showPage(helpScrn::kFindPage);
    auto& button = controlOf<actionBtn>(*help, "closeCnv");
    button.press(10, 10);
    button.release(-300, 500);
    EXPECT_EQ(QPoint(button.Left(), button.Top()), QPoint(205, 318));
    EXPECT_TRUE(help->isClosed());
    settle();
    EXPECT_TRUE(help.isNull());
}
