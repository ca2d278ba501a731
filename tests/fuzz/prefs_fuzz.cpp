// Any bytes at the preferences file's name must read without a crash into a
// store that is written and read back unchanged: what the game saves is what
// it loads next time.

#include "prefs/myPrefs.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tibbly::myPrefs first;
    first.fromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (first.players.isEmpty() || first.curPlayerIndex < 0 ||
        first.curPlayerIndex >= first.players.size() ||
        first.hallInfo.size() != tibbly::myPrefs::kHallSize)
        std::abort();
    const QByteArray written = first.toBytes();
    if (written.size() > tibbly::myPrefs::kMaxFileBytes)
        std::abort();
    tibbly::myPrefs second;
    second.fromBytes(written);
    if (!(first == second))
        std::abort();
    return 0;
}
