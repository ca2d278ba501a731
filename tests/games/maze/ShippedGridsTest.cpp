// Every grid shipped with the game must be a well-formed grid file that a
// careful child can win: a way of clear boxes leads home, and the Badees do
// not shut it more often than not.
#include "framework/Random.h"
#include "games/board/Board.h"
#include "games/maze/GridFile.h"
#include "games/maze/MazeRules.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <future>
#include <iostream>
#include <optional>
#include <span>
#include <vector>

namespace {

using namespace tibbly;
using board::Direction;
using mazeRules::StepKind;

constexpr std::array kWays{Direction::Up, Direction::Right, Direction::Down, Direction::Left};
// True on the boxes Tibbly must not step on: walls, and the Badees he knows of.
using Blocked = std::array<bool, board::kBoxCount>;

QDir shippedGrids()
{
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                QStringLiteral("/../../../resources/grids"));
}

// The boxes one step from each box in the order of kWays, -1 off the board,
// worked out once for the millions of steps of the games below.
const std::array<std::array<int, kWays.size()>, board::kBoxCount>& neighbours()
{
    static const auto table = [] {
        std::array<std::array<int, kWays.size()>, board::kBoxCount> boxes{};
        for (int box = 0; box < board::kBoxCount; ++box)
            for (std::size_t way = 0; way < kWays.size(); ++way)
                boxes[static_cast<std::size_t>(box)][way] =
                    board::neighbour(box, kWays[way]).value_or(-1);
        return boxes;
    }();
    return table;
}

// The clear box one step from box, or -1 at the edge or where blocked.
int openStep(const Blocked& blocked, int box, std::size_t way)
{
    const int next = neighbours()[static_cast<std::size_t>(box)][way];
    return next >= 0 && !blocked[static_cast<std::size_t>(next)] ? next : -1;
}

// A shortest way from box `from` round the blocked boxes to Tibbly's home:
// the boxes to step onto in turn, home last; empty where there is none. The
// search starts from Tibbly's end, as a Tibbly shut in by Badees is mostly
// shut in a small space, which is soon searched.
std::vector<int> wayHome(const Blocked& blocked, int from)
{
    std::array<int, board::kBoxCount> cameFrom;
    cameFrom.fill(-1);
    std::array<int, board::kBoxCount> queue{from};
    // Plain pointers, as this runs some ten million times, and each index
    // into a std::array is a call in the sanitised debug build.
    int* const came = cameFrom.data();
    const bool* const isBlocked = blocked.data();
    came[from] = from;
    for (std::size_t head = 0, tail = 1; head < tail; ++head) {
        const int box = queue[head];
        if (box == board::kLastBox) {
            std::vector<int> way;
            for (int step = box; step != from; step = came[step])
                way.push_back(step);
            return {way.rbegin(), way.rend()};
        }
        for (int next : neighbours()[static_cast<std::size_t>(box)]) {
            if (next >= 0 && !isBlocked[next] && came[next] < 0) {
                came[next] = box;
                queue[tail++] = next;
            }
        }
    }
    return {};
}

bool homeIsReachable(const gridFile::Grid& walls)
{
    return !walls[0] && !wayHome(walls, 0).empty();
}

// Where a careful child steps while Badees shut every way home: back to the
// box he came from, to and fro, so as to bring on the next break; failing
// that, onto the clear box with the most ways on, so that the next Badees
// are less likely to shut him in. -1 when they have walled him in.
int waitingStep(const Blocked& blocked, int tibblyPos, int previous)
{
    int best = -1;
    int bestWaysOn = 0;
    for (std::size_t way = 0; way < kWays.size(); ++way) {
        const int next = openStep(blocked, tibblyPos, way);
        if (next < 0)
            continue;
        if (next == previous)
            return next;
        int waysOn = 0;
        for (std::size_t onward = 0; onward < kWays.size(); ++onward)
            waysOn += openStep(blocked, next, onward) >= 0;
        if (waysOn > bestWaysOn) {
            best = next;
            bestWaysOn = waysOn;
        }
    }
    return best;
}

Direction wayTo(int from, int to)
{
    for (std::size_t way = 0; way < kWays.size(); ++way)
        if (neighbours()[static_cast<std::size_t>(from)][way] == to)
            return kWays[way];
    ADD_FAILURE() << "box " << to << " is not next to box " << from;
    return Direction::Up;
}

Blocked blockedBoxes(const gridFile::Grid& walls, std::span<const int> badeePos)
{
    Blocked blocked = walls;
    for (int box : badeePos)
        blocked[static_cast<std::size_t>(box)] = true;
    return blocked;
}

// Far more counted moves than any child would make before giving up: one who
// has not got home by then is counted as having lost.
constexpr int kMoveCap = 2000;

// Plays one game of the maze on walls as a careful child plays it. He has
// been shown every Badee there is, at the intro and at each break, and
// remembers them all, so he never steps on one; he walks a shortest way home
// round them, and loses when they wall him in or when he runs past kMoveCap.
// Every draw is made in the game's order, and the game's rules judge each step.
bool carefulChildWins(const gridFile::Grid& walls, std::uint32_t seed)
{
    fw::Random random(seed);
    const auto draw = [&random](int lo, int hi) { return random.InRange(lo, hi); };
    int lastBreak = 0;
    int breakPoint = random.InRange(mazeRules::kMinBreakPoint, mazeRules::kMaxBreakPoint);
    // The first Badees are placed before Tibbly is on the board.
    std::vector<int> badeePos = mazeRules::placeBadees(mazeRules::badeeCount(0), walls, -1, draw);
    int tibblyPos = mazeRules::kStartBox;
    int previous = -1;
    Blocked blocked = blockedBoxes(walls, badeePos);
    std::vector<int> way = wayHome(blocked, tibblyPos);
    auto onWay = way.begin();
    for (int moveCt = 0; moveCt < kMoveCap;) {
        const int next = onWay != way.end() ? *onWay++ : waitingStep(blocked, tibblyPos, previous);
        if (next < 0)
            return false;
        const mazeRules::Step step =
            mazeRules::judgeStep(tibblyPos, wayTo(tibblyPos, next), walls, badeePos);
        if (step.kind != StepKind::Move)
            return step.kind == StepKind::Home;
        previous = tibblyPos;
        tibblyPos = step.target;
        ++moveCt;
        if (mazeRules::isBreakDue(lastBreak, breakPoint, moveCt)) {
            badeePos =
                mazeRules::placeBadees(mazeRules::badeeCount(moveCt), walls, tibblyPos, draw);
            lastBreak = moveCt;
            breakPoint = random.InRange(mazeRules::kMinBreakPoint, mazeRules::kMaxBreakPoint);
            blocked = blockedBoxes(walls, badeePos);
            way = wayHome(blocked, tibblyPos);
            onWay = way.begin();
        }
    }
    return false;
}

TEST(ShippedGrids, AtLeastTwelveAllWellFormedAndWinnable)
{
    const QStringList names = shippedGrids().entryList({QStringLiteral("*.txt")}, QDir::Files);
    EXPECT_GE(names.size(), 12);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(shippedGrids().filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // Exactly the file the grid editor writes: 224 fields of "0" or "1", one LF.
        ASSERT_TRUE(bytes.endsWith('\n'));
        const QList<QByteArray> fields = bytes.chopped(1).split(',');
        ASSERT_EQ(fields.size(), board::kBoxCount);
        for (const QByteArray& field : fields)
            EXPECT_TRUE(field == "0" || field == "1") << field.toStdString();

        gridFile::Grid walls{};
        ASSERT_TRUE(gridFile::load(file.fileName(), walls));
        EXPECT_FALSE(walls[board::kLastBox]);
        EXPECT_TRUE(homeIsReachable(walls));
    }
}

TEST(ShippedGrids, ReachabilityCheckSeesAWalledInHome)
{
    gridFile::Grid walls{};
    walls[board::kLastBox - 1] = walls[board::kLastBox - board::kColumns] = true;
    EXPECT_FALSE(homeIsReachable(walls));
}

// The careful child must be able to lose, or every grid would pass: down a
// single one-box corridor, which any Badee on it shuts, he hardly ever wins.
TEST(ShippedGrids, CarefulChildSeldomWinsDownAOneBoxCorridor)
{
    // Clear only along the top row and down the right-hand column.
    gridFile::Grid walls{};
    for (int box = board::kColumns; box < board::kBoxCount; ++box)
        walls[static_cast<std::size_t>(box)] = board::placeOf(box).column != board::kColumns - 1;
    int won = 0;
    for (std::uint32_t game = 0; game < 100; ++game)
        won += carefulChildWins(walls, game);
    EXPECT_LT(won, 10);
}

// One-box corridors are shut by any Badee on them, and the Badees grow by one
// for every seven moves, so a grid of long corridors is one a child can
// hardly ever win; every shipped grid must be won in at least half the games.
TEST(ShippedGrids, CarefulChildWinsEachAtLeastHalfTheTime)
{
    constexpr int kGames = 1000;
    const QStringList names = shippedGrids().entryList({QStringLiteral("*.txt")}, QDir::Files);
    // Each grid is played on a thread of its own, as the games take seconds
    // in the sanitised debug build.
    std::vector<std::future<int>> wins;
    for (const QString& name : names) {
        gridFile::Grid walls{};
        ASSERT_TRUE(gridFile::load(shippedGrids().filePath(name), walls)) << name.toStdString();
        wins.push_back(std::async(std::launch::async, [walls] {
            int won = 0;
            for (int game = 0; game < kGames; ++game)
                won += carefulChildWins(walls, static_cast<std::uint32_t>(game));
            return won;
        }));
    }
    for (qsizetype grid = 0; grid < names.size(); ++grid) {
        const int won = wins[static_cast<std::size_t>(grid)].get();
        std::cout << names[grid].toStdString() << ": " << won << " of " << kGames << " games won\n";
        EXPECT_GE(won, kGames / 2) << names[grid].toStdString();
    }
}

} // namespace
