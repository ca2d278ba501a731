// Grids: listing the Grids folder into the pop-up, picking one at random,
// loading a grid onto the board and the player's own pick.

#include "games/maze/amazeScrn.h"

#include "app/App.h"
#include "framework/Dialogs.h"
#include "games/maze/amazeScrnGrids.h"

#include <QDir>

namespace tibbly {

namespace {

const QString kLoadFailed = QStringLiteral("Error in loading the selected grid");

} // namespace

void amazeScrn::getRandomGrid()
{
    gridFiles_.clear();
    gridNames->DeleteAllRows();
    mazeGrids::Listing listing = mazeGrids::listGridFiles(mazeGrids::folder());
    switch (listing.outcome) {
    case mazeGrids::ListingOutcome::NoFolder:
        fw::MsgBox(QStringLiteral("No Grids are available"));
        return;
    case mazeGrids::ListingOutcome::FolderMissing:
        fw::MsgBox(
            QStringLiteral("The 'Grids' folder is missing. No Grids are available for this game."));
        return;
    case mazeGrids::ListingOutcome::NoGridFiles:
        fw::MsgBox(QStringLiteral("There are no valid grid files in the 'Grids' folder"));
        return;
    case mazeGrids::ListingOutcome::Listed:
        break;
    }
    gridFiles_ = std::move(listing.names);
    for (const QString& name : gridFiles_)
        gridNames->AddRow(mazeGrids::Chop(name, gridFile::kExtension));
    // Filling the pop-up may select its first row; only a grid that loads is shown
    // as chosen.
    gridNames->setListIndex(-1);
    const int n = App::instance().r->InRange(0, static_cast<int>(gridFiles_.size()) - 1);
    if (loadSelectedGrid(gridFiles_[static_cast<std::size_t>(n)])) {
        preventSelection = true;
        gridNames->setListIndex(n);
        preventSelection = false;
    }
}

bool amazeScrn::loadSelectedGrid(const QString& name)
{
    const QString folder = mazeGrids::folder();
    // A file that is there but cannot be read fails like a missing one: the
    // game must not start on the last grid as if this one had loaded.
    const std::optional<QByteArray> line =
        folder.isEmpty() ? std::nullopt : gridFile::readLine(QDir(folder).filePath(name));
    if (!line) {
        fw::MsgBox(kLoadFailed);
        return false;
    }
    recreateBoxes(*line);
    return true;
}

void amazeScrn::recreateBoxes(const QByteArray& line)
{
    // Only the boxes that the line names are repainted; the rest keep their walls.
    const int fields = gridFile::applyLine(line, boxBlock);
    if (!aBox.isComplete())
        return;
    for (int box = 0; box < fields; ++box)
        aBox.box(box).Refresh(false);
}

void amazeScrn::gridNames_Change()
{
    const int row = gridNames->ListIndex();
    if (preventSelection || row < 0 || row >= static_cast<int>(gridFiles_.size()))
        return;
    reinitGame();
    if (loadSelectedGrid(gridFiles_[static_cast<std::size_t>(row)]))
        newGameBegin();
    else
        fw::MsgBox(QStringLiteral("Error in loading new grid"));
}

} // namespace tibbly
