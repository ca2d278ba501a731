#include "ui/PressOffset.h"

#include "assets/Assets.h"
#include "framework/Canvas.h"

namespace tibbly::pressOffset {

void press(fw::Control& control)
{
    control.setLeft(control.Left() + kShift);
    control.setTop(control.Top() + kShift);
}

void release(fw::Control& control)
{
    control.setTop(control.Top() - kShift);
    control.setLeft(control.Left() - kShift);
}

void showFinger(fw::Canvas& canvas)
{
    if (const fw::MouseCursor* finger = FingerCurs())
        canvas.setMouseCursor(*finger);
}

void showArrow(fw::Canvas& canvas) { canvas.setMouseCursor(fw::ArrowCursor()); }

} // namespace tibbly::pressOffset
