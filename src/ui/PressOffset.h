#pragma once

class QWidget;

namespace fw {
class Control;
} // namespace fw

// What the picture buttons share: the 2-pixel shift right and down while the
// mouse is held on them, and the finger cursor while the mouse is over them.
// A window's web links show the same finger, on the whole window.
namespace tibbly::pressOffset {

constexpr int kShift = 2;

void press(fw::Control& control);
void release(fw::Control& control);
void showFinger(QWidget& widget);
void showArrow(QWidget& widget);

} // namespace tibbly::pressOffset
