#include "Picture.h"

#include "RawImage.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>

namespace fw {

namespace {

// The size an SVG document gives itself in its root element's width and
// height; empty when the document does not start like an SVG drawing.
QSize declaredSize(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("svg"))
        return {};
    const auto number = [](QStringView text) {
        if (text.endsWith(QLatin1String("px")))
            text.chop(2);
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok ? qRound(value) : 0;
    };
    const QXmlStreamAttributes attributes = xml.attributes();
    return {number(attributes.value(QLatin1String("width"))),
            number(attributes.value(QLatin1String("height")))};
}

} // namespace

Picture::Picture(const QByteArray& svg) : svgData_(svg)
{
    size_ = declaredSize(svg);
    if (size_.isEmpty()) {
        // No plain size on the root element: ask the full parser.
        if (QSvgRenderer* parsed = renderer(); parsed && parsed->isValid())
            size_ = parsed->defaultSize();
    }
    if (size_.isEmpty())
        svgData_.clear();
}

QSvgRenderer* Picture::renderer() const
{
    if (!svgPath_.isEmpty()) {
        QFile file(svgPath_);
        if (file.open(QIODevice::ReadOnly))
            svgData_ = file.readAll();
        svgPath_.clear();
    }
    if (!svg_ && !svgData_.isEmpty())
        svg_ = std::make_unique<QSvgRenderer>(svgData_);
    return svg_.get();
}

Picture::Picture(QImage image) : raster_(std::move(image)), size_(raster_.size()) {}

Picture::Picture(QImage at1x, QString svgPath)
    : svgPath_(std::move(svgPath)), ready1x_(std::move(at1x)), size_(ready1x_.size())
{
    ready1x_.setDevicePixelRatio(1.0);
}

Picture::~Picture() = default;

void Picture::setMask(const Picture* mask)
{
    mask_ = mask;
    cache_.clear();
}

void Picture::setRenditions(QString at1x, QString at2x)
{
    rendition1x_ = std::move(at1x);
    rendition2x_ = std::move(at2x);
    cache_.clear();
}

QImage Picture::rendition(QSize logicalSize, qreal devicePixelRatio) const
{
    if (mask_ || logicalSize != size_)
        return {};
    if (!ready1x_.isNull() && qFuzzyCompare(devicePixelRatio, 1.0))
        return ready1x_;
    const QString& path = qFuzzyCompare(devicePixelRatio, 1.0)   ? rendition1x_
                          : qFuzzyCompare(devicePixelRatio, 2.0) ? rendition2x_
                                                                 : QString();
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImage image = imageFromRawBytes(file.readAll());
    if (image.size() != logicalSize * int(devicePixelRatio))
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage Picture::image(QSize logicalSize, qreal devicePixelRatio) const
{
    if (QImage ready = rendition(logicalSize, devicePixelRatio); !ready.isNull())
        return ready;
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
        if (QSvgRenderer* svg = renderer(); svg && svg->isValid())
            svg->render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
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
