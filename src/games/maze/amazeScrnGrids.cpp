#include "games/maze/amazeScrnGrids.h"

#include "games/maze/GridFile.h"

#include <QDir>
#include <QFileInfo>

namespace tibbly::mazeGrids {

namespace {

std::optional<QString>& folderOverride()
{
    static std::optional<QString> path;
    return path;
}

} // namespace

QString folder() { return folderOverride().value_or(gridFile::gridsFolder()); }

void setFolder(std::optional<QString> path) { folderOverride() = std::move(path); }

Listing listGridFiles(const QString& folderPath)
{
    Listing listing;
    if (folderPath.isEmpty())
        return listing;
    const QFileInfo info(folderPath);
    if (!info.isDir()) {
        listing.outcome = ListingOutcome::FolderMissing;
        return listing;
    }
    // Sorted by name so that the pop-up reads alike on every system. Hidden
    // files are left out, as the file manager leaves them out.
    const QFileInfoList entries =
        QDir(folderPath).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries)
        if (entry.isFile() && entry.isReadable() && gridFile::isGridFileName(entry.fileName()))
            listing.names.push_back(entry.fileName());
    listing.outcome = listing.names.empty() ? ListingOutcome::NoGridFiles : ListingOutcome::Listed;
    return listing;
}

QString Chop(const QString& text, const QString& ending)
{
    if (text.endsWith(ending, Qt::CaseInsensitive))
        return text.left(text.size() - ending.size());
    return text;
}

} // namespace tibbly::mazeGrids
