#include "HostWindow.h"

#include "ui/autoFillPop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

using testsupport::HostWindow;
using tibbly::autoFillPop;

class PlayersPopup : public HostWindow {
protected:
    void SetUp() override
    {
        HostWindow::SetUp();
        popup = window->add(new autoFillPop(window->content(), {10, 10, 200, 24}));
        popup->onChange = [this] { ++changes; };
        openWindow();
    }

    [[nodiscard]] QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < popup->ListCount(); ++i)
            out.append(popup->List(i));
        return out;
    }

    void fillWith(const QStringList& players, int current)
    {
        prefs().players = players;
        prefs().curPlayerIndex = current;
        popup->fillMe();
    }

    autoFillPop* popup = nullptr;
    int changes = 0;
};

// Each fill replaces the rows of the one before it, the same list twice included.
TEST_F(PlayersPopup, FillListsThePlayersThenTheAddRowSelectsTheCurrentPlayerAndRaisesNoChange)
{
    const QStringList two{"Ann", "Bob"};
    const QStringList three{"Ann", "Bob", "Cy"};
    const struct {
        QStringList players;
        int current;
        int selected;
    } cases[] = {
        {two, 1, 1},
        {three, 0, 0},
        // The same players again.
        {three, 0, 0},
        // A stored index outside the players selects nothing.
        {two, 3, -1},
        {two, 99, -1},
        {two, -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.players.size() << " players, current " << c.current);
        fillWith(c.players, c.current);
        EXPECT_EQ(rows(), c.players + QStringList{"Add New Player..."});
        EXPECT_EQ(popup->ListIndex(), c.selected);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(PlayersPopup, ChoosingARowRaisesChangeOnce)
{
    fillWith({"Ann", "Bob"}, 0);
    popup->choose(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(popup->ListIndex(), 2);
}

TEST_F(PlayersPopup, WheelAndArrowKeysOverTheClosedPopupChooseNothing)
{
    fillWith({"Ann", "Bob"}, 0);
    const QPointF middle(popup->width() / 2.0, popup->height() / 2.0);
    for (const int delta : {-120, -120, -120, 120}) {
        QWheelEvent wheel(middle, popup->mapToGlobal(middle), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(popup, &wheel);
    }
    for (const int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_B}) {
        popup->hidePopup();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                        key == Qt::Key_B ? QStringLiteral("b") : QString());
        QApplication::sendEvent(popup, &press);
    }
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(PlayersPopup, ARowPickedInTheOpenListWithReturnIsChosen)
{
    fillWith({"Ann", "Bob"}, 0);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(popup, &down);
    ASSERT_TRUE(popup->view()->isVisible()) << "an arrow key opens the list";
    QApplication::sendEvent(popup->view(), &down);
    EXPECT_EQ(changes, 0);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(popup->view(), &enter);
    EXPECT_EQ(popup->ListIndex(), 1);
    EXPECT_EQ(changes, 1);
}
