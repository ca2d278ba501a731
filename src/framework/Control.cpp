#include "Control.h"

#include <QWidget>

namespace fw {

int Control::Left() const { return widget()->x(); }
int Control::Top() const { return widget()->y(); }
int Control::Width() const { return widget()->width(); }
int Control::Height() const { return widget()->height(); }
void Control::setLeft(int left) { widget()->move(left, Top()); }
void Control::setTop(int top) { widget()->move(Left(), top); }

void Control::setBounds(const Bounds& b)
{
    widget()->setGeometry(b.left, b.top, b.width, b.height);
}

bool Control::Visible() const { return !widget()->isHidden(); }
void Control::setVisible(bool visible) { widget()->setVisible(visible); }
bool Control::Enabled() const { return widget()->isEnabled(); }
void Control::setEnabled(bool enabled) { widget()->setEnabled(enabled); }
void Control::SetFocus() { widget()->setFocus(Qt::OtherFocusReason); }

void Control::Refresh(bool immediately)
{
    if (immediately && widget()->isVisible())
        widget()->repaint();
    else
        widget()->update();
}

void Control::Event_Open()
{
    if (onOpen)
        onOpen();
}

} // namespace fw
