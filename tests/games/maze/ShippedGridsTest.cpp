// Every grid shipped with the game must be a well-formed grid file that can
// be won: a path of clear boxes from Tibbly's start to his home.
#include "games/board/Board.h"
#include "games/maze/GridFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <deque>

namespace {

using namespace tibbly;

QDir shippedGrids()
{
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                QStringLiteral("/../../../resources/grids"));
}

bool homeIsReachable(const gridFile::Grid& walls)
{
    if (walls[0])
        return false;
    std::array<bool, board::kBoxCount> seen{};
    std::deque<int> open{0};
    seen[0] = true;
    while (!open.empty()) {
        const int box = open.front();
        open.pop_front();
        for (auto direction : {board::Direction::Up, board::Direction::Right,
                               board::Direction::Down, board::Direction::Left}) {
            const std::optional<int> next = board::neighbour(box, direction);
            if (!next || walls[static_cast<std::size_t>(*next)] ||
                seen[static_cast<std::size_t>(*next)])
                continue;
            seen[static_cast<std::size_t>(*next)] = true;
            open.push_back(*next);
        }
    }
    return seen[board::kLastBox];
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

} // namespace
