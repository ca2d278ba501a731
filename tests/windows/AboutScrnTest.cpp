#include "WindowsTestSupport.h"

#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/System.h"
#include "windows/AboutScrn.h"
#include "windows/Links.h"
#include "windows/startScrn.h"

using namespace tibbly;
using testsupport::AppFixture;
using testsupport::controlOf;

namespace {
class AboutWindow : public AppFixture {};
} // namespace

TEST_F(AboutWindow, AboutItemBringsTheOneWindowForwardWithoutSettingItsVersionAgain)
{
    startScrn::instance()->menuCommand(QStringLiteral("HelpAbout"));
    AboutScrn* about = fw::openImplicitInstance<AboutScrn>();
    ASSERT_NE(about, nullptr);
    auto& version = controlOf<fw::StaticText>(*about, "StaticText2");
    EXPECT_EQ(version.Text(), app().LongVersion());
    version.setText(QStringLiteral("left alone"));
    startScrn::instance()->menuCommand(QStringLiteral("HelpAbout"));
    EXPECT_EQ(fw::openImplicitInstance<AboutScrn>(), about);
    EXPECT_EQ(version.Text(), QStringLiteral("left alone"));
}

TEST_F(AboutWindow, LinkOpensTheAddressItShowsAndDonateTheDonationPage)
{
    QStringList opened;
    fw::setShowUrlHandler([&](const QString& url) { opened.append(url); });
    AboutScrn* about = AboutScrn::instance();
    auto& link = controlOf<fw::StaticText>(*about, "StaticText5");
    ASSERT_TRUE(link.onMouseDown(1, 1));
    link.onMouseUp(500, 500);
    controlOf<fw::PushButton>(*about, "donateBtn").push();
    fw::setShowUrlHandler(nullptr);
    EXPECT_EQ(opened, (QStringList{links::kWebPage, links::kDonatePage}));
    EXPECT_EQ(link.Text(), links::kWebPage);
}
