#pragma once

#include "framework/Control.h"

#include <QColor>

#include <functional>

namespace fw {
class Canvas;
class Window;
} // namespace fw

namespace tibbly {

class actionBtn;
class HelpIcon;

// The right-hand panel that the three game windows share, and the pieces each
// window places on it at its own coordinates: the score counters, the close
// button and the help icon. Each piece is registered with the window under the
// name it is given.
namespace gamePanel {

// The panel itself, at the window's right; made first, so that all else lies
// above it.
fw::Canvas* addPanel(fw::Window& window, const char* name);

// The tints the games' counters shimmer in, each drawn afresh from App.r at
// every paint: the first counter of a window runs from magenta to white, the
// second from yellow to white.
[[nodiscard]] QColor firstCounterTint();
[[nodiscard]] QColor secondCounterTint();

// A counter on its grey ground, painted with paintCounter: value() in a fresh
// tint() at every paint.
fw::Canvas* addCounter(fw::Window& window, const char* name, const fw::Bounds& bounds,
                       std::function<int()> value, std::function<QColor()> tint);

// The close button "closeCnv": on release, wherever the mouse is, it springs
// back and asks its window to close.
actionBtn* addCloseButton(fw::Window& window, const fw::Bounds& bounds);

// The help icon "helpCnv", opening the given help page.
HelpIcon* addHelpIcon(fw::Window& window, const fw::Bounds& bounds, int page);

} // namespace gamePanel
} // namespace tibbly
