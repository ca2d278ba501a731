#include "ui/qvxCheckBox.h"

#include "assets/Assets.h"
#include "framework/Graphics.h"
#include "ui/PressOffset.h"

namespace tibbly {

qvxCheckBox::qvxCheckBox(QWidget* parent, const fw::Bounds& bounds) : fw::Canvas(parent, bounds) {}

void qvxCheckBox::Event_Open()
{
    // The pictures are the registry's shared objects, so the mask goes into
    // the cached pictures themselves; doing it again for the next box is harmless.
    fw::Picture* checked = boxWithCheck();
    fw::Picture* unchecked = blueCheckBox();
    if (checked)
        checked->setMask(CkBoxMask());
    if (unchecked)
        unchecked->setMask(CkBoxMask());
    myValuePict = checked;
    myUnselPict = unchecked;
    fw::Canvas::Event_Open();
}

void qvxCheckBox::Event_Paint(fw::Graphics& g)
{
    g.DrawPicture(mvalue ? myValuePict : myUnselPict, 1, 1);
    g.setForeColor(QColor(0, 0, 0));
    g.setTextSize(12);
    g.DrawString(mmyText, 42, 20);
}

bool qvxCheckBox::Event_MouseDown(int, int) { return !(groupTotal > 0 && mvalue); }

void qvxCheckBox::Event_MouseUp(int x, int y)
{
    mvalue = !mvalue;
    Refresh(true);
    for (int i = 0; i < groupTotal && i < static_cast<int>(myGroup.size()); ++i) {
        myGroup[i]->setValue(!mvalue);
        myGroup[i]->Refresh(true);
    }
    fw::Canvas::Event_MouseUp(x, y);
}

void qvxCheckBox::Event_MouseEnter() { pressOffset::showFinger(*this); }
void qvxCheckBox::Event_MouseExit() { pressOffset::showArrow(*this); }

} // namespace tibbly
