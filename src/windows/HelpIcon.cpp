#include "windows/HelpIcon.h"

#include "assets/Assets.h"
#include "ui/PressOffset.h"
#include "windows/helpScrn.h"

namespace tibbly {

HelpIcon::HelpIcon(QWidget* parent, const fw::Bounds& bounds, int page)
    : fw::Canvas(parent, bounds), page_(page)
{
    setName(QStringLiteral("helpCnv"));
    setBackdrop(helpIcon());
}

bool HelpIcon::Event_MouseDown(int, int)
{
    pressOffset::press(*this);
    return true;
}

void HelpIcon::Event_MouseUp(int, int)
{
    pressOffset::release(*this);
    helpScrn::showPage(page_);
}

} // namespace tibbly
