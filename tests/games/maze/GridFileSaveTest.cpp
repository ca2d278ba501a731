#include "games/maze/GridFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tibbly::gridFile;

// A child process that may write only 100 bytes to any file is killed while
// it saves a 448-byte grid, as a crash or a power cut would cut it short.
TEST(GridSaving, SaveCutShortByACrashLeavesTheOldGridWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("maze.txt"));
    Grid old{};
    old[7] = true;
    ASSERT_TRUE(save(path, old));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        Grid walls;
        walls.fill(true);
        _exit(save(path, walls) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the save should have been cut short";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), lineOf(old) + '\n');
}

TEST(GridSaving, DialogsStartInTheGridsFolderMadeWhenMissingElseAtHome)
{
    QTemporaryDir dir;
    const QString grids = dir.filePath(QStringLiteral("Grids"));
    EXPECT_EQ(dialogFolder(grids), grids);
    EXPECT_TRUE(QDir(grids).exists());
    const QString plain = dir.filePath(QStringLiteral("plain"));
    QFile blocker(plain);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(dialogFolder(plain), QDir::homePath());
    EXPECT_EQ(dialogFolder(plain + QStringLiteral("/Grids")), QDir::homePath());
}

} // namespace
