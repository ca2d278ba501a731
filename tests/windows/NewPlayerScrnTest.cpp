#include "WindowsTestSupport.h"

#include "framework/EditField.h"
#include "framework/System.h"
#include "windows/newPlayerScrn.h"

using namespace tibbly;
using testsupport::AppFixture;
using testsupport::controlOf;

namespace {

class NewPlayer : public AppFixture {
protected:
    // Types a name and presses Return or Escape; returns whether the window closed.
    bool type(const QString& name, const QString& key = fw::Window::kReturn)
    {
        newPlayerScrn* window = newPlayerScrn::instance();
        controlOf<fw::EditField>(*window, "nameFld").setText(name);
        window->typeKey(key);
        return window->isClosed();
    }
};

} // namespace

TEST_F(NewPlayer, EmptyNameBeepsAndCancelAddsNobody)
{
    const int beeps = fw::beepCount();
    EXPECT_FALSE(type(QString()));
    EXPECT_EQ(fw::beepCount(), beeps + 1);
    EXPECT_TRUE(type(QStringLiteral("Bob"), fw::Window::kEscape));
    EXPECT_EQ(prefs().players, QStringList{"Unknown"});
}

TEST_F(NewPlayer, NamesAreSavedAtOnceAsTypedTheFirstInThePlaceOfUnknown)
{
    EXPECT_TRUE(type(QStringLiteral("Ann")));
    EXPECT_EQ(testsupport::storedPrefs().players, QStringList{"Ann"});
    EXPECT_TRUE(type(QStringLiteral("  ")));
    EXPECT_TRUE(type(QStringLiteral("Ann")));
    EXPECT_EQ(testsupport::storedPrefs().players, (QStringList{"Ann", "  ", "Ann"}));
    EXPECT_TRUE(type(QString(300, QChar(0x00E9))));
    EXPECT_EQ(prefs().players, testsupport::storedPrefs().players)
        << "an overlong name is kept as the file gives it back";
}
