#pragma once

namespace fw {
class Control;
class Canvas;
} // namespace fw

// What the picture buttons share: the 2-pixel shift right and down while the
// mouse is held on them, and the finger cursor while the mouse is over them.
namespace tibbly::pressOffset {

constexpr int kShift = 2;

void press(fw::Control& control);
void release(fw::Control& control);
void showFinger(fw::Canvas& canvas);
void showArrow(fw::Canvas& canvas);

} // namespace tibbly::pressOffset
