#pragma once

#include "framework/Picture.h"

#include <array>

namespace tibbly::holdClickPicts {

// The marks the find game puts on the boxes of a round's first to tenth counted
// click: the registry's own objects for xbox1 … xbox9 and newbox10, so a box's
// backdrop can be compared with them by identity. Empty until setPicts.
extern std::array<fw::Picture*, 10> clickPict;

void setPicts();

} // namespace tibbly::holdClickPicts
