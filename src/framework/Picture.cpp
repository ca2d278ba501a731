#include "Picture.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace fw {

Picture::Picture(const QByteArray& svg)
{
    auto renderer = std::make_unique<QSvgRenderer>(svg);
    if (renderer->isValid()) {
        size_ = renderer->defaultSize();
        svg_ = std::move(renderer);
    }
}

Picture::Picture(QImage image) : raster_(std::move(image)), size_(raster_.size()) {}

Picture::~Picture() = default;

void Picture::setMask(const Picture* mask)
{
    mask_ = mask;
    cache_.clear();
}

QImage Picture::image(QSize logicalSize, qreal devicePixelRatio) const
{
    const QSize pixels(std::lround(logicalSize.width() * devicePixelRatio),
                       std::lround(logicalSize.height() * devicePixelRatio));
    QImage out(pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (pixels.isEmpty())
        return out;
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (svg_)
            svg_->render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
        else if (!raster_.isNull())
            p.drawImage(QRect(QPoint(0, 0), pixels), raster_);
        if (mask_ && !mask_->isNull()) {
            p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            p.drawImage(QPoint(0, 0), mask_->image(logicalSize, devicePixelRatio));
        }
    }
    out.setDevicePixelRatio(devicePixelRatio);
    return out;
}

QPixmap Picture::pixmap(QSize logicalSize, qreal devicePixelRatio) const
{
    const quint64 key = (quint64(quint16(logicalSize.width())) << 48) |
                        (quint64(quint16(logicalSize.height())) << 32) |
                        quint32(std::lround(devicePixelRatio * 1000));
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd())
        return *found;
    QPixmap pm = QPixmap::fromImage(image(logicalSize, devicePixelRatio));
    cache_.insert(key, pm);
    return pm;
}

} // namespace fw
