#pragma once

#include "GameFixture.h"

#include "assets/Assets.h"
#include "framework/EditField.h"
#include "framework/Sound.h"
#include "games/maze/amazeScrn.h"
#include "games/maze/amazeScrnGrids.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

namespace mazetest {

using tibbly::amazeScrn;

// The start timer's second, then the intro's seven ticks.
constexpr int kStartMs = 1000;
constexpr int kIntroMs = 7000;
constexpr int kBreakMs = 4000;

// A grid line with walls in the given boxes.
inline QByteArray gridLine(std::initializer_list<int> walls = {})
{
    QByteArray line;
    for (int box = 0; box < 224; ++box) {
        if (box > 0)
            line += ',';
        line += std::find(walls.begin(), walls.end(), box) != walls.end() ? '1' : '0';
    }
    return line;
}

inline QByteArray allWalls() { return "1" + QByteArray(",1").repeated(223); }

// A maze window on the test clock, reading grids from a folder of the test's
// own, its draws answered from a script and every sound it plays recorded.
class MazeGame : public testsupport::GameFixture {
protected:
    // The move counter is the window's only counter.
    MazeGame() { counterTints = {{0, 255}}; }

    void SetUp() override
    {
        GameFixture::SetUp();
        ASSERT_TRUE(grids.isValid());
        tibbly::mazeGrids::setFolder(grids.path());
    }

    void TearDown() override
    {
        tibbly::mazeGrids::setFolder(std::nullopt);
        GameFixture::TearDown();
    }

    void writeGrid(const QString& name, const QByteArray& line) const
    {
        QFile file(grids.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(line + '\n');
    }

    // The draws of a game start: the first break point, the grid picked from
    // `listed` files (none when no grid is listed), then the Badees.
    void scriptStart(int breakPoint, int listed, int pick, std::initializer_list<int> badees)
    {
        random->expect(4, 12, breakPoint);
        if (listed > 0)
            random->expect(0, listed - 1, pick);
        scriptBadees(badees);
    }
    // The folder's one grid, walled in the given boxes, and a game start on it.
    void scriptOneGrid(int breakPoint, std::initializer_list<int> walls = {},
                       std::initializer_list<int> badees = {100, 101, 102})
    {
        writeGrid(QStringLiteral("maze.txt"), gridLine(walls));
        scriptStart(breakPoint, 1, 0, badees);
    }
    void scriptBadees(std::initializer_list<int> badees)
    {
        for (int box : badees)
            random->expect(1, 222, box);
    }
    // The draws of a break: its Badees, then the next break point.
    void scriptBreak(std::initializer_list<int> badees, int nextBreakPoint)
    {
        scriptBadees(badees);
        random->expect(4, 12, nextBreakPoint);
    }

    void open() { game = amazeScrn::instance(); }
    void openAndPlay()
    {
        open();
        clock->advance(kStartMs + kIntroMs);
        ASSERT_TRUE(game->state().inProgress);
    }

    // Types a key into the key field, as the player would.
    void press(Qt::Key key, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(
                game->control<fw::EditField>(QStringLiteral("stlFocus"))->editor(), &event);
        }
    }
    // Presses the key n times, waiting out any break that a move starts.
    void walk(Qt::Key key, int n)
    {
        for (int i = 0; i < n; ++i) {
            press(key);
            // A move that starts a break leaves Tibbly short of home and the Badees hidden.
            if (!game->state().inProgress && game->state().tibblyPos != 223 &&
                !game->state().badeesVisible)
                clock->advance(kBreakMs);
        }
    }

    [[nodiscard]] QString instruction() const
    {
        return game->control<fw::StaticText>(QStringLiteral("InstrTxt"))->Text();
    }
    [[nodiscard]] fw::PopupMenu* popup() const
    {
        return game->control<fw::PopupMenu>(QStringLiteral("gridNames"));
    }

    QTemporaryDir grids;
    amazeScrn* game = nullptr;
};

} // namespace mazetest
