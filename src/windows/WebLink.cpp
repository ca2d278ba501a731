#include "windows/WebLink.h"

#include "framework/System.h"
#include "ui/PressOffset.h"

namespace tibbly {

WebLink::WebLink(QWidget* parent, const fw::Bounds& bounds, const QString& address)
    : fw::StaticText(
          parent, bounds, address,
          fw::TextStyle{.color = QColor(0x00, 0x00, 0xFF), .alignment = fw::kAlignCentre})
{
    onMouseDown = [](int, int) { return true; };
    onMouseUp = [this](int, int) { fw::ShowURL(Text()); };
    onMouseEnter = [this] { pressOffset::showFinger(*window()); };
    onMouseExit = [this] { pressOffset::showArrow(*window()); };
}

} // namespace tibbly
