#include "ui/PressOffset.h"

#include "assets/Assets.h"
#include "framework/Control.h"

#include <QWidget>

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

void showFinger(QWidget& widget)
{
    if (const fw::MouseCursor* finger = FingerCurs())
        widget.setCursor(*finger);
}

void showArrow(QWidget& widget) { widget.setCursor(fw::ArrowCursor()); }

} // namespace tibbly::pressOffset
