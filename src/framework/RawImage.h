#pragma once

#include <QByteArray>
#include <QImage>

namespace fw {

// A picture's pixels as they lie in memory: a short header (a tag, the width and
// the height) and then premultiplied ARGB32 rows. Decoding it is a copy, with no
// image reader, no format plugin to look for and no colour conversion, which
// is what a window needs from the pictures it shows when it first opens. The
// rows are in the byte order of the machine that wrote them, so the format
// suits files made at build time for the program built beside them, not files
// that travel.
[[nodiscard]] QByteArray rawImageBytes(const QImage& image);

// The image held by bytes, or a null image when they are not a whole raw image.
[[nodiscard]] QImage imageFromRawBytes(const QByteArray& bytes);

} // namespace fw
