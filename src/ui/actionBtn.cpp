#include "ui/actionBtn.h"

#include "ui/PressOffset.h"

namespace tibbly {

actionBtn::actionBtn(QWidget* parent, const fw::Bounds& bounds) : fw::Canvas(parent, bounds) {}

bool actionBtn::Event_MouseDown(int, int)
{
    pressOffset::press(*this);
    return true;
}

void actionBtn::unpress() { pressOffset::release(*this); }

void actionBtn::Event_MouseEnter() { pressOffset::showFinger(*this); }
void actionBtn::Event_MouseExit() { pressOffset::showArrow(*this); }

} // namespace tibbly
