// Any bytes given as a sound must give a length or -1, without a crash or a
// read past their end.

#include "framework/Sound.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Copied, so that the sanitizer sees a read past the data's own end.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (fw::wavLengthMs(bytes) < -1)
        std::abort();
    return 0;
}
