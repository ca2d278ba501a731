#include "games/board/GamePanel.h"

#include "app/App.h"
#include "assets/Assets.h"
#include "framework/Canvas.h"
#include "framework/Window.h"
#include "games/board/CounterPainter.h"
#include "ui/actionBtn.h"
#include "windows/HelpIcon.h"

namespace tibbly::gamePanel {

fw::Canvas* addPanel(fw::Window& window, const char* name)
{
    auto* panel = new fw::Canvas(window.content(), {600, 0, 184, 545});
    panel->setName(QString::fromLatin1(name));
    panel->setBackdrop(TibblyPanel());
    return window.add(panel);
}

QColor firstCounterTint() { return QColor(255, App::instance().r->InRange(0, 255), 255); }

QColor secondCounterTint() { return QColor(255, 255, App::instance().r->InRange(0, 195)); }

fw::Canvas* addCounter(fw::Window& window, const char* name, const fw::Bounds& bounds,
                       std::function<int()> value, std::function<QColor()> tint)
{
    auto* counter = new fw::Canvas(window.content(), bounds);
    counter->setName(QString::fromLatin1(name));
    counter->setBackdrop(GrayBkg());
    counter->onPaint = [value = std::move(value), tint = std::move(tint)](fw::Graphics& g) {
        paintCounter(g, value(), tint());
    };
    return window.add(counter);
}

actionBtn* addCloseButton(fw::Window& window, const fw::Bounds& bounds)
{
    auto* button = new actionBtn(window.content(), bounds);
    button->setName(QStringLiteral("closeCnv"));
    button->setBackdrop(closeBtn());
    button->onMouseUp = [button, &window](int, int) {
        button->unpress();
        window.Close();
    };
    return window.add(button);
}

HelpIcon* addHelpIcon(fw::Window& window, const fw::Bounds& bounds, int page)
{
    return window.add(new HelpIcon(window.content(), bounds, page));
}

} // namespace tibbly::gamePanel
