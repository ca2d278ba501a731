#pragma once

#include "games/board/Board.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// Grid files: the mazes that the grid editor writes and the maze game plays.
// A grid file is one line of 224 fields joined by commas, "1" for a brick wall
// and "0" for a clear path, in box order, ended by LF. The editor and the maze
// game read a file through here alone, so both read it alike.
namespace tibbly::gridFile {

// True where a box is a brick wall.
using Grid = std::array<bool, board::kBoxCount>;

// No grid line is longer than this; more of a file is never read, so a huge
// or endless file costs nothing.
constexpr qint64 kMaxReadBytes = 64 * 1024;

// The grid file extension, as the file dialogs and the maze game's listing use it.
inline const QString kExtension = QStringLiteral(".txt");

// The part of data before the first CR or LF, so that files written on any
// system read the same.
[[nodiscard]] QByteArrayView firstLine(QByteArrayView data);

// Applies a grid line to grid: each of the first 224 fields sets its box, a
// wall only where the field is exactly "1". Boxes past the line's last field
// keep their state; fields past the 224th are ignored. Returns how many boxes
// were set, boxes 0 onwards.
int applyLine(QByteArrayView line, Grid& grid);

// The line for grid, without its line end.
[[nodiscard]] QByteArray lineOf(const Grid& grid);

// The first line of the file at path, read at most kMaxReadBytes into it;
// nothing when the path is not a readable regular file.
[[nodiscard]] std::optional<QByteArray> readLine(const QString& path);

// Reads the file at path onto grid by the reading rules; false, with grid as
// it was, when the file cannot be read.
[[nodiscard]] bool load(const QString& path, Grid& grid);

// Writes grid as a grid file, whole or not at all: a failed save leaves any
// file that was there untouched.
[[nodiscard]] bool save(const QString& path, const Grid& grid);

// The folder named Grids beside the program.
[[nodiscard]] QString gridsFolder();

// Whether a file name is a grid file's, by its extension in any case.
[[nodiscard]] bool isGridFileName(const QString& name);

// path as a grid file's: a name typed without the grid extension gets it.
[[nodiscard]] QString withExtension(const QString& path);

// Where the grid dialogs start: folder, made when it is missing, or the
// player's home folder when it cannot be made.
[[nodiscard]] QString dialogFolder(const QString& folder);

} // namespace tibbly::gridFile
