#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <memory>

class QSvgRenderer;

namespace fw {

// A picture from the resource store: an SVG drawing with a logical size in
// pixels, rendered on demand at whatever size and device pixel ratio it is
// drawn, so it stays sharp when scaled and on high-density screens. The drawing
// is parsed only when it is first rendered: start-up fetches pictures it does
// not show yet. A picture may carry a mask (another picture) whose opacity
// limits where it shows.
class Picture {
public:
    // svg: the SVG document; an empty or invalid one gives a 0 × 0 picture.
    explicit Picture(const QByteArray& svg);
    // A picture of a plain image, at the image's size.
    explicit Picture(QImage image);
    // A picture whose rendition at its own size at 1× is ready, and whose SVG
    // drawing is read from svgPath only when it is drawn any other way: most
    // pictures are only ever shown at their own size, and reading and parsing
    // their drawings would slow the opening of the first window.
    Picture(QImage at1x, QString svgPath);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    [[nodiscard]] int Width() const { return size_.width(); }
    [[nodiscard]] int Height() const { return size_.height(); }
    [[nodiscard]] QSize size() const { return size_; }
    [[nodiscard]] bool isNull() const { return size_.isEmpty(); }

    // Ready-made renditions of the picture at its own size, at 1× and 2×,
    // used instead of rendering the drawing when the size and ratio match.
    void setRenditions(QString at1x, QString at2x);

    // Draws mask into this picture's mask: from now on the picture shows only
    // where mask is opaque.
    void setMask(const Picture* mask);
    [[nodiscard]] const Picture* mask() const { return mask_; }

    // The picture rendered at a logical size and device pixel ratio; cached.
    [[nodiscard]] QPixmap pixmap(QSize logicalSize, qreal devicePixelRatio) const;
    [[nodiscard]] QImage image(QSize logicalSize, qreal devicePixelRatio) const;

private:
    [[nodiscard]] QSvgRenderer* renderer() const;

    [[nodiscard]] QImage rendition(QSize logicalSize, qreal devicePixelRatio) const;

    mutable QByteArray svgData_;
    mutable QString svgPath_;
    QImage ready1x_;
    QString rendition1x_;
    QString rendition2x_;
    mutable std::unique_ptr<QSvgRenderer> svg_;
    QImage raster_;
    QSize size_;
    const Picture* mask_ = nullptr;
    mutable QHash<quint64, QPixmap> cache_;
};

} // namespace fw
