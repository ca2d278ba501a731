#include "ui/FileTypes1.h"

namespace tibbly {

QString FileType::dialogFilter() const { return QStringLiteral("%1 (*%2)").arg(Name, Extensions); }

namespace FileTypes1 {

FileType pMazeFile;

void _Initialize()
{
    pMazeFile.Name = QStringLiteral("mazeFile");
    pMazeFile.Extensions = QStringLiteral(".txt");
    pMazeFile.MacType = QStringLiteral("TEXT");
    pMazeFile.MacCreator = QStringLiteral("vlTB");
}

} // namespace FileTypes1
} // namespace tibbly
