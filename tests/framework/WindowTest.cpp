#include "framework/Window.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/ImplicitInstance.h"
#include "framework/Strings.h"

#include <QApplication>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> events;

fw::WindowLayout layoutTitled(const char* title)
{
    fw::WindowLayout layout;
    layout.title = QString::fromLatin1(title);
    layout.width = 200;
    layout.height = 100;
    return layout;
}

class Probe : public fw::Window {
public:
    Probe() : fw::Window(layoutTitled("Probe"))
    {
        auto* a = add(new fw::Canvas(content(), {0, 0, 10, 10}));
        auto* b = add(new fw::Canvas(content(), {10, 0, 10, 10}));
        a->onOpen = [] { events.push_back("a.Open"); };
        b->onOpen = [] { events.push_back("b.Open"); };
    }
    static Probe* instance() { return fw::implicitInstance<Probe>(); }

    bool refuse = false;
    int opens = 0;
    int closes = 0;
    bool closedForQuit = false;
    QString lastKey;

protected:
    void Event_Open() override
    {
        ++opens;
        events.push_back("window.Open");
    }
    void Event_Close() override
    {
        ++closes;
        closedForQuit = closingForQuit();
    }
    bool Event_CancelClose(bool) override { return refuse; }
    bool Event_KeyDown(const QString& key) override
    {
        lastKey = key;
        return false;
    }
};

class Other : public fw::Window {
public:
    Other() : fw::Window(layoutTitled("Other")) {}
    static Other* instance() { return fw::implicitInstance<Other>(); }
};

class QuitProbe : public fw::Application {
public:
    int closeEvents = 0;

protected:
    void Event_Close() override { ++closeEvents; }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    void TearDown() override
    {
        fw::discardAllWindows();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(WindowTest, ControlsOpenInCreationOrderBeforeTheWindow)
{
    Probe::instance();
    EXPECT_EQ(events, (std::vector<std::string>{"a.Open", "b.Open", "window.Open"}));
}

TEST_F(WindowTest, AccessorReturnsTheOpenInstanceWithoutOpeningItAgain)
{
    Probe* first = Probe::instance();
    first->lastKey = QStringLiteral("kept");
    Probe* again = Probe::instance();
    EXPECT_EQ(first, again);
    EXPECT_EQ(again->opens, 1);
    EXPECT_EQ(again->lastKey, QStringLiteral("kept"));
    EXPECT_NE(static_cast<fw::Window*>(Other::instance()), static_cast<fw::Window*>(first));
}

TEST_F(WindowTest, ClosedWindowIsMadeAfreshAtOnce)
{
    Probe* first = Probe::instance();
    first->lastKey = QStringLiteral("old state");
    ASSERT_TRUE(first->Close());
    EXPECT_EQ(first->closes, 1);
    EXPECT_FALSE(first->closedForQuit);
    // The old object may still exist until the event loop deletes it, but the
    // accessor no longer hands it out.
    Probe* second = Probe::instance();
    EXPECT_TRUE(second->lastKey.isEmpty());
    EXPECT_EQ(second->opens, 1);
}

TEST_F(WindowTest, RefusedCloseKeepsTheWindowAndItsInstance)
{
    Probe* probe = Probe::instance();
    probe->refuse = true;
    EXPECT_FALSE(probe->Close());
    EXPECT_EQ(probe->closes, 0);
    EXPECT_EQ(Probe::instance(), probe);
    probe->refuse = false;
    EXPECT_TRUE(probe->Close());
}

TEST_F(WindowTest, QuitIsAbandonedWhenAWindowRefusesToClose)
{
    QuitProbe app;
    Probe* probe = Probe::instance();
    Other* other = Other::instance();
    probe->refuse = true;
    // The window that would let the quit go on is in front, so it is asked first.
    other->Show();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), other);
    EXPECT_FALSE(app.quit());
    EXPECT_EQ(app.closeEvents, 0);
    EXPECT_FALSE(probe->isClosed());
    EXPECT_FALSE(other->isClosed()) << "no window closes while another refuses";

    probe->refuse = false;
    EXPECT_TRUE(app.quit());
    EXPECT_TRUE(probe->isClosed());
    EXPECT_TRUE(probe->closedForQuit) << "a window closed by the quit knows it in its Close";
    EXPECT_TRUE(other->isClosed());
    EXPECT_EQ(app.closeEvents, 1);
    app.finish();
    EXPECT_EQ(app.closeEvents, 1) << "the Close event runs once";
}

TEST_F(WindowTest, KeysReachKeyDownAsCharacters)
{
    Probe* probe = Probe::instance();
    probe->typeKey(fw::Window::kReturn);
    EXPECT_EQ(probe->lastKey, fw::Chr(13));
    probe->typeKey(fw::Window::kEnter);
    EXPECT_EQ(probe->lastKey, fw::Chr(3));
}

TEST_F(WindowTest, CanvasMouseUpFollowsOnlyAnAcceptedMouseDown)
{
    auto* probe = Probe::instance();
    fw::Canvas canvas(probe->content(), {0, 0, 20, 20});
    bool accept = false;
    std::vector<std::pair<int, int>> ups;
    canvas.onMouseDown = [&](int, int) { return accept; };
    canvas.onMouseUp = [&](int x, int y) { ups.emplace_back(x, y); };
    canvas.click();
    EXPECT_TRUE(ups.empty());
    accept = true;
    canvas.press(3, 3);
    canvas.release(-40, 90);
    EXPECT_EQ(ups, (std::vector<std::pair<int, int>>{{-40, 90}}));
}
