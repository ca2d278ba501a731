#pragma once

#include <QString>

#include <optional>
#include <vector>

// How the maze game finds its grids: the grid files of the Grids folder beside
// the program, listed in a steady order, each under its whole file name.
namespace tibbly::mazeGrids {

enum class ListingOutcome {
    // No folder could be named at all.
    NoFolder,
    // The folder is not there (or is not a folder).
    FolderMissing,
    // The folder holds no grid file.
    NoGridFiles,
    Listed,
};

struct Listing {
    ListingOutcome outcome = ListingOutcome::NoFolder;
    // Whole file names, in the order the pop-up shows them.
    std::vector<QString> names;
};

// The folder the game reads: the Grids folder beside the program unless
// another has been set.
[[nodiscard]] QString folder();
// Points the game at another folder (tests use their own); an empty path is a
// folder that cannot be named; nothing goes back to the Grids folder.
void setFolder(std::optional<QString> path);

// The readable regular files of the folder whose names end in ".txt" in any
// case, sorted by name; folders, other files and entries that cannot be read
// are passed over.
[[nodiscard]] Listing listGridFiles(const QString& folderPath);

// text without ending when it ends so (in any case), else text unchanged.
[[nodiscard]] QString Chop(const QString& text, const QString& ending);

} // namespace tibbly::mazeGrids
