#pragma once

#include <QColor>

namespace fw {
class Graphics;
}

namespace tibbly {

// The score counters of the three game windows: the number, at least two
// digits, in italic 24 pixels, centred on the counter with its baseline at 30,
// in black under a copy one pixel up and left in the counter's tint. Each
// window draws a fresh tint from App.r for every paint, so the counters
// shimmer as they change.
void paintCounter(fw::Graphics& g, int value, const QColor& tint);

} // namespace tibbly
