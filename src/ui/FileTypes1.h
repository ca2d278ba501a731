#pragma once

#include <QString>

namespace tibbly {

// A kind of file the program reads and writes, by name and extension.
struct FileType {
    QString Name;
    QString Extensions;
    QString MacType;
    QString MacCreator;
    // The filter text of the file dialogs: "mazeFile (*.txt)".
    [[nodiscard]] QString dialogFilter() const;
};

// The program's file types: the grid files of the maze game.
namespace FileTypes1 {

extern FileType pMazeFile;
void _Initialize();

} // namespace FileTypes1
} // namespace tibbly
