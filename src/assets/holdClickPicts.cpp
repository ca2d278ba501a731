#include "assets/holdClickPicts.h"

#include "assets/Assets.h"

namespace tibbly::holdClickPicts {

std::array<fw::Picture*, 10> clickPict{};

void setPicts()
{
    clickPict = {xbox1(), xbox2(), xbox3(), xbox4(), xbox5(),
                 xbox6(), xbox7(), xbox8(), xbox9(), newbox10()};
}

} // namespace tibbly::holdClickPicts
