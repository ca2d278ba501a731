#include "games/maze/GridFile.h"
#include "ui/FileTypes1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace tibbly::gridFile;

Grid allPaths() { return Grid{}; }

Grid readFrom(const QByteArray& content, Grid grid = allPaths())
{
    applyLine(firstLine(content), grid);
    return grid;
}

TEST(GridFile, FreshGridIs224ZerosOnOneLine)
{
    const QByteArray line = lineOf(allPaths());
    EXPECT_EQ(line.size(), 447);
    EXPECT_EQ(line.count(','), 223);
    EXPECT_EQ(line.count('0'), 224);
}

TEST(GridFile, DrawnGridRoundTrips)
{
    Grid grid = allPaths();
    for (int box : {0, 1, 17, 100, 222, 223})
        grid[static_cast<std::size_t>(box)] = true;
    EXPECT_EQ(readFrom(lineOf(grid)), grid);
}

TEST(GridFile, ShortLineSetsItsBoxesAndKeepsTheRest)
{
    Grid before;
    before.fill(true);
    const Grid after = readFrom("1,0,0,0,0,0,0,0,0,0", before);
    EXPECT_TRUE(after[0]);
    for (int box = 1; box < 10; ++box)
        EXPECT_FALSE(after[static_cast<std::size_t>(box)]) << box;
    for (int box = 10; box < 224; ++box)
        EXPECT_TRUE(after[static_cast<std::size_t>(box)]) << box;
    // The maze game repaints exactly the boxes a line set.
    EXPECT_EQ(applyLine("1,0,0,0,0,0,0,0,0,0", before), 10);
    EXPECT_EQ(applyLine("", before), 1);
}

TEST(GridFile, OnlyAPlainOneIsAWall)
{
    const Grid grid = readFrom("true,01, 1,1 ,,1,x");
    for (int box = 0; box < 5; ++box)
        EXPECT_FALSE(grid[static_cast<std::size_t>(box)]) << box;
    EXPECT_TRUE(grid[5]);
    EXPECT_FALSE(grid[6]);
}

TEST(GridFile, LineEndsAreCutWhateverTheSystem)
{
    EXPECT_TRUE(readFrom("0,1\r\n1,1")[1]);
    EXPECT_FALSE(readFrom("0,1\r\n1,1")[2]);
    EXPECT_FALSE(readFrom("0,1\r1,1")[2]);
    EXPECT_FALSE(readFrom("0,1\n1,1")[2]);
    EXPECT_TRUE(readFrom("0,1")[1]);
    EXPECT_EQ(readFrom(""), allPaths());
}

TEST(GridFile, FieldsPastTheBoardAreIgnored)
{
    QByteArray line;
    for (int i = 0; i < 300; ++i)
        line += i ? ",1" : "1";
    Grid grid;
    grid.fill(false);
    grid = readFrom(line, grid);
    for (bool wall : grid)
        EXPECT_TRUE(wall);
    EXPECT_EQ(applyLine(line, grid), 224);
}

class GridFileOnDisk : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(GridFileOnDisk, SaveWritesOneLineWithLfAndLoadsBack)
{
    Grid grid = allPaths();
    grid[42] = true;
    ASSERT_TRUE(save(path("maze.txt"), grid));
    QFile file(path("maze.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith(",0\n"));
    EXPECT_EQ(bytes.count('\n'), 1);
    Grid back;
    back.fill(true);
    ASSERT_TRUE(load(path("maze.txt"), back));
    EXPECT_EQ(back, grid);
}

TEST_F(GridFileOnDisk, HugeLineWithoutEndReadsOnlyItsStart)
{
    write("huge.txt", QByteArray(10 * 1024 * 1024, '1'));
    const std::optional<QByteArray> line = readLine(path("huge.txt"));
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->size(), kMaxReadBytes);
}

TEST_F(GridFileOnDisk, MissingFileOrFolderFailsAndLeavesTheGrid)
{
    Grid grid;
    grid.fill(true);
    EXPECT_FALSE(load(path("none.txt"), grid));
    EXPECT_FALSE(load(dir.path(), grid));
    for (bool wall : grid)
        EXPECT_TRUE(wall);
}

TEST(GridFile, GridFilesAreKnownByTheirEndingInAnyCase)
{
    EXPECT_TRUE(isGridFileName(QStringLiteral("Maze.TXT")));
    EXPECT_TRUE(isGridFileName(QStringLiteral("a.txt")));
    EXPECT_FALSE(isGridFileName(QStringLiteral("maze")));
    EXPECT_FALSE(isGridFileName(QStringLiteral("maze.txt.bak")));
}

// The dialogs offer files by the grid file type; the maze game lists them by
// their ending. A grid saved through the one must be found by the other.
TEST(GridFile, FilesOfferedByTheGridTypeAreTheOnesTheMazeGameLists)
{
    tibbly::FileTypes1::_Initialize();
    const tibbly::FileType& type = tibbly::FileTypes1::pMazeFile;
    EXPECT_TRUE(isGridFileName(QStringLiteral("maze") + type.Extensions));
    EXPECT_TRUE(type.dialogFilter().contains(QStringLiteral("*") + type.Extensions));
}

} // namespace
