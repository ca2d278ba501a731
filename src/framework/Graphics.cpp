#include "Graphics.h"

#include "Picture.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace fw {

QFont systemFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font = QApplication::font();
    if (!family.isEmpty() && family != QLatin1String("System"))
        font.setFamily(family);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

Graphics::Graphics(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height), font_(systemFont({}, 0))
{
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(color_);
    painter_.setFont(font_);
}

void Graphics::setForeColor(const QColor& color)
{
    color_ = color;
    painter_.setPen(color_);
}

void Graphics::setTextFont(const QString& family)
{
    font_ = systemFont(family, font_.pixelSize(), font_.bold(), font_.italic());
    applyFont();
}

void Graphics::setTextSize(int pixels)
{
    if (pixels > 0)
        font_.setPixelSize(pixels);
    else
        font_ = systemFont({}, 0, font_.bold(), font_.italic());
    applyFont();
}

void Graphics::setBold(bool bold)
{
    font_.setBold(bold);
    applyFont();
}

void Graphics::setItalic(bool italic)
{
    font_.setItalic(italic);
    applyFont();
}

void Graphics::applyFont() { painter_.setFont(font_); }

void Graphics::DrawString(const QString& text, int x, int y)
{
    painter_.drawText(QPoint(x, y), text);
}

double Graphics::StringWidth(const QString& text) const
{
    return QFontMetricsF(font_).horizontalAdvance(text);
}

void Graphics::DrawPicture(const Picture* picture, int x, int y)
{
    if (picture)
        DrawPicture(picture, x, y, picture->Width(), picture->Height(), 0, 0, picture->Width(),
                    picture->Height());
}

void Graphics::DrawPicture(const Picture* picture, int x, int y, int w, int h, int sx, int sy,
                           int sw, int sh)
{
    if (!picture || picture->isNull() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    // Render the picture at the scale it is drawn, so a 32-pixel picture drawn
    // at 16 pixels is drawn crisply from its drawing, not shrunk from pixels.
    const double scaleX = double(w) / sw;
    const double scaleY = double(h) / sh;
    const QSize whole(qRound(picture->Width() * scaleX), qRound(picture->Height() * scaleY));
    const qreal dpr = painter_.device() ? painter_.device()->devicePixelRatioF() : 1.0;
    const QPixmap pm = picture->pixmap(whole, dpr);
    const QRectF source(sx * scaleX * dpr, sy * scaleY * dpr, w * dpr, h * dpr);
    painter_.drawPixmap(QRectF(x, y, w, h), pm, source);
}

void Graphics::DrawRect(int x, int y, int w, int h)
{
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
    painter_.restore();
}

void Graphics::FillRect(int x, int y, int w, int h)
{
    painter_.fillRect(QRect(x, y, w, h), color_);
}

} // namespace fw
