// Any bytes read as a grid file must set the board without a crash or a read
// past their end, and the grid written from what was read must read back the
// same: the editor saves exactly what it shows.

#include "games/maze/GridFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tibbly::gridFile;
    // Copied, so that the sanitizer sees a read past the data's own end.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArrayView line = firstLine(bytes);
    if (line.size() > bytes.size() || line.contains('\n') || line.contains('\r'))
        std::abort();
    Grid grid{};
    applyLine(line, grid);
    const QByteArray written = lineOf(grid);
    Grid back;
    back.fill(true);
    applyLine(firstLine(written + "\n"), back);
    if (back != grid || written.size() != 2 * tibbly::board::kBoxCount - 1)
        std::abort();
    return 0;
}
