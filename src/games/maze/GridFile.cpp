#include "games/maze/GridFile.h"

#include "framework/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tibbly::gridFile {

QByteArrayView firstLine(QByteArrayView data)
{
    for (qsizetype i = 0; i < data.size(); ++i)
        if (data[i] == '\r' || data[i] == '\n')
            return data.first(i);
    return data;
}

int applyLine(QByteArrayView line, Grid& grid)
{
    int box = 0;
    qsizetype start = 0;
    while (box < board::kBoxCount) {
        qsizetype end = start;
        while (end < line.size() && line[end] != ',')
            ++end;
        grid[static_cast<std::size_t>(box)] = line.sliced(start, end - start) == "1";
        ++box;
        if (end >= line.size())
            break;
        start = end + 1;
    }
    return box;
}

QByteArray lineOf(const Grid& grid)
{
    QByteArray line;
    line.reserve(2 * board::kBoxCount);
    for (std::size_t box = 0; box < grid.size(); ++box) {
        if (box > 0)
            line += ',';
        line += grid[box] ? '1' : '0';
    }
    return line;
}

std::optional<QByteArray> readLine(const QString& path)
{
    fw::ReadResult read = fw::readFileStart(path, kMaxReadBytes);
    if (read.status != fw::ReadStatus::Read)
        return std::nullopt;
    return firstLine(read.bytes).toByteArray();
}

bool load(const QString& path, Grid& grid)
{
    const std::optional<QByteArray> line = readLine(path);
    if (!line)
        return false;
    applyLine(*line, grid);
    return true;
}

bool save(const QString& path, const Grid& grid)
{
    return fw::writeFileAtomically(path, lineOf(grid) + '\n').ok();
}

QString gridsFolder() { return fw::GetFolderItem(QStringLiteral("Grids")); }

bool isGridFileName(const QString& name) { return name.endsWith(kExtension, Qt::CaseInsensitive); }

QString withExtension(const QString& path)
{
    return isGridFileName(path) ? path : path + kExtension;
}

QString dialogFolder(const QString& folder)
{
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

} // namespace tibbly::gridFile
