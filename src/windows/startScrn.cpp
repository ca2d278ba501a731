#include "windows/startScrn.h"

#include "framework/ImplicitInstance.h"
#include "ui/MenuBar1.h"

namespace tibbly {

namespace {
fw::WindowLayout startLayout()
{
    fw::WindowLayout l;
    l.title = QStringLiteral("Starting Screen");
    l.width = 560;
    l.height = 360;
    l.backColor = QColor(Qt::white);
    l.menuBar = &MenuBar1::instance();
    return l;
}
} // namespace

startScrn::startScrn() : fw::Window(startLayout()) {}

startScrn* startScrn::instance() { return fw::implicitInstance<startScrn>(); }

} // namespace tibbly
