#include "games/maze/GridFile.h"
#include "ui/FileTypes1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

namespace {

using namespace tibbly::gridFile;

Grid allWalls()
{
    Grid grid;
    grid.fill(true);
    return grid;
}

Grid readFrom(const QByteArray& content, Grid grid = Grid{})
{
    applyLine(firstLine(content), grid);
    return grid;
}

TEST(GridFile, GridIsOneLineOfFieldsAndRoundTrips)
{
    EXPECT_EQ(lineOf(Grid{}), QByteArray("0,").repeated(223) + "0");
    Grid grid{};
    for (int box : {0, 1, 17, 100, 222, 223})
        grid[static_cast<std::size_t>(box)] = true;
    EXPECT_EQ(readFrom(lineOf(grid)), grid);
}

TEST(GridFile, ShortLineSetsItsBoxesAndKeepsTheRest)
{
    Grid expected = allWalls();
    std::fill(expected.begin() + 1, expected.begin() + 10, false);
    EXPECT_EQ(readFrom("1,0,0,0,0,0,0,0,0,0", allWalls()), expected);
    // The maze game repaints exactly the boxes a line set.
    Grid grid = allWalls();
    EXPECT_EQ(applyLine("1,0,0,0,0,0,0,0,0,0", grid), 10);
    EXPECT_EQ(applyLine("", grid), 1);
}

TEST(GridFile, OnlyAPlainOneIsAWall)
{
    Grid expected{};
    expected[5] = true;
    EXPECT_EQ(readFrom("true,01, 1,1 ,,1,x"), expected);
}

TEST(GridFile, LineEndsAreCutWhateverTheSystem)
{
    EXPECT_TRUE(readFrom("0,1\r\n1,1")[1]);
    EXPECT_FALSE(readFrom("0,1\r\n1,1")[2]);
    EXPECT_FALSE(readFrom("0,1\r1,1")[2]);
    EXPECT_FALSE(readFrom("0,1\n1,1")[2]);
    EXPECT_TRUE(readFrom("0,1")[1]);
    EXPECT_EQ(readFrom(""), Grid{});
}

TEST(GridFile, FieldsPastTheBoardAreIgnored)
{
    const QByteArray line = "1" + QByteArray(",1").repeated(299);
    Grid grid{};
    EXPECT_EQ(applyLine(line, grid), 224);
    EXPECT_EQ(grid, allWalls());
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

class GridFileOnDisk : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray content(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(GridFileOnDisk, SaveWritesOneLineWithLfAndLoadsBack)
{
    Grid grid{};
    grid[42] = true;
    ASSERT_TRUE(save(path("maze.txt"), grid));
    EXPECT_EQ(content("maze.txt"), lineOf(grid) + '\n');
    Grid back = allWalls();
    ASSERT_TRUE(load(path("maze.txt"), back));
    EXPECT_EQ(back, grid);
}

// A child process that may write only 100 bytes to any file is killed while
// it saves a 448-byte grid, as a crash or a power cut would cut it short.
TEST_F(GridFileOnDisk, SaveCutShortByACrashLeavesTheOldGridWhole)
{
    Grid old{};
    old[7] = true;
    ASSERT_TRUE(save(path("maze.txt"), old));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(save(path("maze.txt"), allWalls()) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the save should have been cut short";
    EXPECT_EQ(content("maze.txt"), lineOf(old) + '\n');
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
    Grid grid = allWalls();
    EXPECT_FALSE(load(path("none.txt"), grid));
    EXPECT_FALSE(load(dir.path(), grid));
    EXPECT_EQ(grid, allWalls());
}

TEST_F(GridFileOnDisk, DialogsStartInTheGridsFolderMadeWhenMissingElseAtHome)
{
    EXPECT_EQ(dialogFolder(path("Grids")), path("Grids"));
    EXPECT_TRUE(QDir(path("Grids")).exists());
    write("plain", QByteArray());
    EXPECT_EQ(dialogFolder(path("plain")), QDir::homePath());
    EXPECT_EQ(dialogFolder(path("plain/Grids")), QDir::homePath());
}

} // namespace
