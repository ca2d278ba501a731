#include "games/maze/amazeScrnGrids.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace tibbly::mazeGrids;

class GridListing : public ::testing::Test {
protected:
    void touch(const QString& name) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0,0\n");
    }
    QTemporaryDir dir;
};

TEST_F(GridListing, MissingOrUnnamedFolderIsReportedAsSuch)
{
    EXPECT_EQ(listGridFiles(QString()).outcome, ListingOutcome::NoFolder);
    EXPECT_EQ(listGridFiles(dir.filePath(QStringLiteral("none"))).outcome,
              ListingOutcome::FolderMissing);
    touch(QStringLiteral("plain"));
    EXPECT_EQ(listGridFiles(dir.filePath(QStringLiteral("plain"))).outcome,
              ListingOutcome::FolderMissing);
}

TEST_F(GridListing, FolderOfOtherThingsHasNoGridFiles)
{
    EXPECT_EQ(listGridFiles(dir.path()).outcome, ListingOutcome::NoGridFiles);
    touch(QStringLiteral("notes.md"));
    touch(QStringLiteral("maze.txt.bak"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    EXPECT_EQ(listGridFiles(dir.path()).outcome, ListingOutcome::NoGridFiles);
}

TEST_F(GridListing, GridFilesOfAnyCaseAreListedByWholeNameInNameOrder)
{
    touch(QStringLiteral("b.txt"));
    touch(QStringLiteral("Maze.TXT"));
    touch(QStringLiteral("a.Txt"));
    touch(QStringLiteral("readme"));
    const Listing listing = listGridFiles(dir.path());
    EXPECT_EQ(listing.outcome, ListingOutcome::Listed);
    EXPECT_EQ(listing.names, (std::vector<QString>{QStringLiteral("a.Txt"), QStringLiteral("b.txt"),
                                                   QStringLiteral("Maze.TXT")}));
}

TEST(GridNames, ChopCutsTheEndingInAnyCaseOnly)
{
    EXPECT_EQ(Chop(QStringLiteral("Maze.TXT"), QStringLiteral(".txt")), QStringLiteral("Maze"));
    EXPECT_EQ(Chop(QStringLiteral("a.txt"), QStringLiteral(".txt")), QStringLiteral("a"));
    EXPECT_EQ(Chop(QStringLiteral("txt"), QStringLiteral(".txt")), QStringLiteral("txt"));
}

} // namespace
