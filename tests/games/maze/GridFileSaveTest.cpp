#include "games/maze/GridFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace tibbly::gridFile;

class GridSaving : public ::testing::Test {
protected:
    [[nodiscard]] QString path(const char* name) const
    {
        return dir.filePath(QString::fromLatin1(name));
    }
    [[nodiscard]] QByteArray content(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Saves a full grid in a child process that may write only a few bytes
    // to any file, so that going past them kills it mid-save, as a crash or
    // a power cut would.
    void crashWhileSaving() const
    {
        const QString target = path("maze.txt");
        Grid walls;
        walls.fill(true);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{100, 100};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(save(target, walls) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status)) << "the save should have been cut short";
    }

    QTemporaryDir dir;
};

TEST_F(GridSaving, SaveCutShortByACrashLeavesTheOldGridWhole)
{
    Grid old{};
    old[7] = true;
    ASSERT_TRUE(save(path("maze.txt"), old));
    const QByteArray before = content("maze.txt");
    crashWhileSaving();
    EXPECT_EQ(content("maze.txt"), before);
}

TEST_F(GridSaving, TypedNameGetsTheGridExtensionOnce)
{
    EXPECT_EQ(withExtension(path("maze")), path("maze.txt"));
    EXPECT_EQ(withExtension(path("maze.TXT")), path("maze.TXT"));
    EXPECT_EQ(withExtension(path("maze.v2")), path("maze.v2.txt"));
}

TEST_F(GridSaving, DialogsStartInTheGridsFolderMadeWhenMissingElseAtHome)
{
    EXPECT_EQ(dialogFolder(path("Grids")), path("Grids"));
    EXPECT_TRUE(QFileInfo(path("Grids")).isDir());
    QFile blocker(path("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(dialogFolder(path("plain/Grids")), QDir::homePath());
    EXPECT_EQ(dialogFolder(path("plain")), QDir::homePath());
}

} // namespace
