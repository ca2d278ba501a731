#include "FontWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace fw {

FontWarmUp::FontWarmUp() : reader_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() { finish(); }

void FontWarmUp::finish()
{
    if (reader_.joinable())
        reader_.join();
}

} // namespace fw
