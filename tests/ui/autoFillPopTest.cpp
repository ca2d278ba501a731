#include "AppFixture.h"

#include "framework/Window.h"
#include "ui/autoFillPop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

using testsupport::AppFixture;
using tibbly::autoFillPop;

class PlayersPopup : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        fw::WindowLayout layout;
        layout.title = QStringLiteral("Players");
        window = new fw::Window(layout);
        popup = window->add(new autoFillPop(window->content(), {10, 10, 200, 24}));
        popup->onChange = [this] { ++changes; };
        window->open();
        settle();
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

    fw::Window* window = nullptr;
    autoFillPop* popup = nullptr;
    int changes = 0;
};

TEST_F(PlayersPopup, ListsThePlayersThenTheAddRowWithTheCurrentPlayerSelected)
{
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, 1);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"),
                                   QStringLiteral("Add New Player...")}));
    EXPECT_EQ(popup->ListIndex(), 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(PlayersPopup, RefillingReplacesTheRowsAndRaisesNoChange)
{
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, 1);
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")}, 0);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"),
                                   QStringLiteral("Cy"), QStringLiteral("Add New Player...")}));
    EXPECT_EQ(popup->ListIndex(), 0);
    popup->fillMe();
    EXPECT_EQ(popup->ListCount(), 4);
    EXPECT_EQ(changes, 0);
}

TEST_F(PlayersPopup, AStoredIndexOutsideThePlayersSelectsNothing)
{
    for (const int index : {3, 99, -1}) {
        SCOPED_TRACE(index);
        fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, index);
        EXPECT_EQ(popup->ListCount(), 3);
        EXPECT_EQ(popup->ListIndex(), -1);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(PlayersPopup, ChoosingARowRaisesChangeOnce)
{
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, 0);
    popup->choose(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(popup->ListIndex(), 2);
}

TEST_F(PlayersPopup, WheelAndArrowKeysOverTheClosedPopupChooseNothing)
{
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, 0);
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
    fillWith({QStringLiteral("Ann"), QStringLiteral("Bob")}, 0);
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
