#include "ui/FileTypes1.h"

#include <gtest/gtest.h>

using namespace tibbly;

TEST(FileTypes, GridFileTypeIsDeclaredAtStartUp) {
    FileTypes1::_Initialize();
    const FileType& grid = FileTypes1::pMazeFile;
    EXPECT_EQ(grid.Name, QStringLiteral("mazeFile"));
    EXPECT_EQ(grid.Extensions, QStringLiteral(".txt"));
    EXPECT_EQ(grid.MacType, QStringLiteral("TEXT"));
    EXPECT_EQ(grid.MacCreator, QStringLiteral("vlTB"));
    // The save and open dialogs offer grid files by this filter.
    EXPECT_EQ(grid.dialogFilter(), QStringLiteral("mazeFile (*.txt)"));
}
