#include "RawImage.h"

#include <cstring>

namespace fw {

namespace {

constexpr char kTag[4] = {'A', 'R', 'G', 'B'};
constexpr qsizetype kHeaderBytes = sizeof kTag + 2 * sizeof(quint32);
// Larger than any picture a program shows; keeps a damaged header from asking
// for gigabytes.
constexpr quint32 kMaxSide = 16384;

} // namespace

QByteArray rawImageBytes(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const quint32 size[2] = {quint32(pixels.width()), quint32(pixels.height())};
    const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
    QByteArray bytes;
    bytes.reserve(kHeaderBytes + rowBytes * pixels.height());
    bytes.append(kTag, sizeof kTag);
    bytes.append(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    return bytes;
}

QImage imageFromRawBytes(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderBytes || std::memcmp(bytes.constData(), kTag, sizeof kTag) != 0)
        return {};
    quint32 size[2];
    std::memcpy(size, bytes.constData() + sizeof kTag, sizeof size);
    const auto [width, height] = size;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
        return {};
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (bytes.size() != kHeaderBytes + rowBytes * height)
        return {};
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const char* row = bytes.constData() + kHeaderBytes;
    for (int y = 0; y < image.height(); ++y, row += rowBytes)
        std::memcpy(image.scanLine(y), row, rowBytes);
    return image;
}

} // namespace fw
